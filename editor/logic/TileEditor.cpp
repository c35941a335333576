#include "editor/logic/TileEditor.h"

#include "model/App.h"
#include "render/TilesetRender.h"

namespace {

struct Pos {
  int x, y;
};
using Source = Pos (*)(int x, int y);

// Where a pixel of the shifted tile comes from, by direction (down, up, left,
// right); the row or column pushed out wraps round.
Pos fromAbove(int x, int y) { return {x, (y + 7) % 8}; }
Pos fromBelow(int x, int y) { return {x, (y + 1) % 8}; }
Pos fromRight(int x, int y) { return {(x + 1) % 8, y}; }
Pos fromLeft(int x, int y) { return {(x + 7) % 8, y}; }
constexpr Source kShiftSource[] = {fromAbove, fromBelow, fromRight, fromLeft};

// Grid colours are pixel colours, which carry no high byte; palette entries
// are compared and written in the same form.
int32_t paletteColor(const App& a, int i) { return a.st.Palette[size_t(i)] & 0xFFFFFF; }

void TakeTileSnapshot(App& a) {
  a.frm.cmdUndoEnabled = true;
  Picture::bitBlt(a.frm.picTileSelectedDataUndo, 0, 0, 8, 8, a.frm.picTileSelectedData, 0, 0);
}

void GridFromTilePixels(App& a) { a.frm.picTileBits = a.st.TilePixels; }

// new(x, y) = old(source(x, y)), built aside so that no pixel is read after
// it was overwritten.
void RemapTilePixels(App& a, Source source) {
  ProgramState& st = a.st;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      const auto [sx, sy] = source(x, y);
      st.TilePixelsTemp[size_t(x + 8 * y)] = st.TilePixels[size_t(sx + 8 * sy)];
    }
  st.TilePixels = st.TilePixelsTemp;
  GridFromTilePixels(a);
}

// A shift button's shift, which Tile Undo can take back.
void ShiftTileWithSnapshot(App& a, int16_t direction) {
  TakeTileSnapshot(a);
  ShiftTile(a, direction);
}

void TransformTile(App& a, Source source) {
  TakeTileSnapshot(a);
  RemapTilePixels(a, source);
  CommitTileEdit(a);
  LoadTileEditor(a);
}

}  // namespace

void picTileBits_MouseDown(App& a, int index, int button, int /*shift*/, float /*x*/, float /*y*/) {
  if (index < 0 || index > 63) return;
  TakeTileSnapshot(a);
  a.frm.picTileBits[size_t(index)] = button == 1 ? a.frm.picMultiColor[0] : paletteColor(a, 0);
  CommitTileEdit(a);
  LoadTileEditor(a);
}

void picColor_Click(App& a, int index) {
  // Swatch 0 is the background every tile shares, never a tile's own colour.
  if (index < 1 || index > 15) return;
  const int tile = TileUnder(a.frm.shpTileSelected);
  const int32_t back = paletteColor(a, 0), ink = paletteColor(a, index);
  a.frm.picMultiColor[0] = ink;
  a.st.Colormap[size_t(tile) + 2] = uint8_t(index);
  for (int32_t& box : a.frm.picTileBits)
    if (box != back) box = ink;
  CommitTileEdit(a);
  LoadTileEditor(a);
}

void cmdInvert_Click(App& a) {
  TakeTileSnapshot(a);
  const int32_t back = paletteColor(a, 0);
  for (int32_t& box : a.frm.picTileBits) box = box == back ? a.frm.picMultiColor[0] : back;
  CommitTileEdit(a);
  LoadTileEditor(a);
}

void cmdMirrorX_Click(App& a) {
  TransformTile(a, [](int x, int y) { return Pos{7 - x, y}; });
}

void cmdMirrorY_Click(App& a) {
  TransformTile(a, [](int x, int y) { return Pos{x, 7 - y}; });
}

// A quarter turn counter-clockwise: the top row becomes the left column.
void cmdRotate_Click(App& a) {
  TransformTile(a, [](int x, int y) { return Pos{7 - y, x}; });
}

void ShiftTile(App& a, int16_t direction) {
  if (direction < 0 || direction > 3) return;
  RemapTilePixels(a, kShiftSource[direction]);
  // Shows the shifted grid before the slower commit, but handles no input: a
  // click already queued on the sheet would move the selection, and the
  // commit would then land on another tile.
  a.host->RepaintTileGrid();
  CommitTileEdit(a);
}

void cmdTileDown_Click(App& a) { ShiftTileWithSnapshot(a, 0); }
void cmdTileUp_Click(App& a) { ShiftTileWithSnapshot(a, 1); }
void cmdTileLeft_Click(App& a) { ShiftTileWithSnapshot(a, 2); }
void cmdTileRight_Click(App& a) { ShiftTileWithSnapshot(a, 3); }

void cmdClear_Click(App& a) {
  // A second delete would overwrite the snapshot of the tile it cleared.
  a.frm.cmdClearEnabled = false;
  TakeTileSnapshot(a);
  a.frm.picTileBits.fill(paletteColor(a, 0));
  CommitTileEdit(a);
  LoadTileEditor(a);
}

void cmdUndo_Click(App& a) {
  a.frm.cmdClearEnabled = true;
  a.frm.cmdUndoEnabled = false;
  Picture::bitBlt(a.frm.picTileSelectedData, 0, 0, 8, 8, a.frm.picTileSelectedDataUndo, 0, 0);
  LoadTileEditor(a);
  CommitTileEdit(a);
}

void ForgetTileUndo(App& a) {
  a.frm.cmdUndoEnabled = false;
  a.frm.cmdClearEnabled = true;
}
