#include "editor/logic/TileSheet.h"

#include <algorithm>
#include <cmath>

#include "editor/logic/Brush.h"
#include "editor/logic/HoverPreview.h"
#include "editor/logic/KeyboardCommands.h"
#include "editor/logic/MapEditing.h"
#include "editor/logic/TileEditor.h"
#include "model/App.h"
#include "render/MapRender.h"
#include "render/TilesetRender.h"

namespace {

constexpr int kCell = 16;
constexpr int kSheetCols = 32;
constexpr int kRed = 255;

Picture& FillBox(MainForm& f, int step) {
  return step == 1 ? f.picFill1 : step == 2 ? f.picFill2 : f.picFill3;
}

void StampBrush(App& a) {
  const Picture& brush = a.frm.picTileSelected;
  Picture::bitBlt(a.frm.picTileView, a.frm.shpTileCursor.left, a.frm.shpTileCursor.top,
                  brush.width(), brush.height(), brush, 0, 0);
  RedrawMap(a);
}

void SelectCursorBlock(App& a) {
  ProgramState& st = a.st;
  MainForm& f = a.frm;
  st.Selecting = false;

  // A frame that stopped growing under a held modifier, or that stretches to an
  // anchor left by a map drag, can reach past the sheet; only tiles 0..255 exist.
  const int sheetW = f.picTileView.width(), sheetH = f.picTileView.height();
  const int left = std::clamp(f.shpTileCursor.left, 0, sheetW - kCell);
  const int top = std::clamp(f.shpTileCursor.top, 0, sheetH - kCell);
  const int w = std::max(kCell, std::min(f.shpTileCursor.width, sheetW - left) / kCell * kCell);
  const int h = std::max(kCell, std::min(f.shpTileCursor.height, sheetH - top) / kCell * kCell);
  const int cols = w / kCell, rows = h / kCell;

  st.TileBrushMaxX = int16_t(cols - 1);
  st.TileBrushMaxY = int16_t(rows - 1);
  st.TileBrush.assign(size_t(cols) * size_t(rows), 0);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c)
      st.TileBrushAt(c, r) = uint8_t((top / kCell + r) * kSheetCols + left / kCell + c);

  f.shpTileSelected.top = top;
  f.shpTileSelected.left = left;
  f.shpTileSelected.width = w;
  f.shpTileSelected.height = h;

  f.picTileSelected.resize(w, h);
  ClearTilePicture(a, f.picTileSelected);
  Picture::bitBlt(f.picTileSelected, 0, 0, w, h, f.picTileView, left, top);
  CopyToHoverPreview(a, f.picTileSelectedHover, f.picTileSelected);
  TakeEditedTileFromBrush(a);
  ClearTilePicture(a, f.picTileSelectedDataUndo);
  ForgetTileUndo(a);

  f.shpTileCursor.width = kCell;
  f.shpTileCursor.height = kCell;
  f.shpTileCursor.borderColor = kRed;
  f.shpMapCursor.width = w;
  f.shpMapCursor.height = h;

  // A random-fill pick moves the selection too: the editor must show the tile
  // its next edit will be written into.
  LoadTileEditor(a);
  const int step = st.RandomFillStep;
  if (step < 1 || step > 3) {
    f.picMap.enabled = true;
    return;
  }
  Picture& box = FillBox(f, step);
  Picture::bitBlt(box, 0, 0, kCell, kCell, f.picTileSelected, 0, 0);
  box.refresh();
  st.RandomFillTile[size_t(step)] = uint8_t(TileUnder(f.shpTileSelected));
  st.RandomFillStep = int16_t(step + 1);
  if (step == 3) {
    f.picRandFillEnabled = false;
    // Fills, then puts the menus and the map back as Ctrl+X found them.
    EndRandomFill(a);
  }
}

}  // namespace

void picTileView_MouseDown(App& a, int button, int shift, float x, float y) {
  ProgramState& st = a.st;
  if (st.DatatypeMode) return;
  st.SelAnchorX = SnapToCell(x);
  st.SelAnchorY = SnapToCell(y);
  if (button == 2 && shift != 2 && st.RandomFillStep == 0) st.Selecting = true;
}

void picTileView_MouseMove(App& a, int /*button*/, int shift, float x, float y) {
  MoveCursor(a, a.frm.shpTileCursor, shift, x, y, 1);
}

void picTileView_MouseUp(App& a, int button, int shift, float /*x*/, float /*y*/) {
  if (a.st.DatatypeMode) return;
  if (button == 1 && shift == 2)
    StampBrush(a);
  else
    SelectCursorBlock(a);
}

void ResetTileSelection(App& a) {
  a.st.Selecting = false;
  a.st.SelAnchorX = 0;
  a.st.SelAnchorY = 0;
  SelectSingleTile(a, 0);
}
