#include "editor/logic/MapEditing.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "editor/logic/HoverPreview.h"
#include "model/App.h"
#include "render/MapRender.h"

namespace {

constexpr int kCell = 16;
constexpr int kRed = 255;

bool InDatamap(int col, int row) {
  return col >= 0 && col < kMapCols && row >= 0 && row < kMapRows;
}

// Writes a block of tile numbers with its top-left cell at (col, row). Cells
// past column 255 or row 127 do not exist: they are skipped, so a wide block
// never spills into the next row or past the array.
template <class TileAt>
void WriteBlock(ProgramState& st, int col, int row, int lastJ, int lastI, TileAt tileAt) {
  for (int i = 0; i <= lastI; ++i)
    for (int j = 0; j <= lastJ; ++j)
      if (InDatamap(col + j, row + i)) st.DatamapAt(col + j, row + i) = tileAt(j, i);
}

void PaintBrush(App& a) {
  ProgramState& st = a.st;
  const Picture& brush = a.frm.picTileSelected;
  Picture::bitBlt(a.frm.picMap, st.MouseCellX, st.MouseCellY, brush.width(), brush.height(), brush,
                  0, 0);
  const int col = st.MouseCellX / kCell, row = st.MouseCellY / kCell;
  if (st.TileBrushMaxX != 0 || st.TileBrushMaxY != 0) {
    WriteBlock(st, col, row, st.TileBrushMaxX, st.TileBrushMaxY,
               [&](int j, int i) { return st.TileBrushAt(j, i); });
  } else {
    const uint8_t tile = uint8_t(TileUnder(a.frm.shpTileSelected));
    WriteBlock(st, col, row, 0, 0, [&](int, int) { return tile; });
  }
}

void PaintDatatype(App& a) {
  ProgramState& st = a.st;
  if (!InDatamap(st.MouseCellX / kCell, st.MouseCellY / kCell)) return;
  const ListBox& list = a.frm.lstDatatypes;
  std::string text;
  if (list.listIndex >= 0 && size_t(list.listIndex) < list.items.size())
    text = list.items[size_t(list.listIndex)].substr(0, 2);
  DrawDatatypeCell(a, text, st.MouseCellX, st.MouseCellY);
}

// What a left press or a left drag puts on the cell under the mouse; the
// press has taken the undo snapshot already when withUndo is false.
void PaintAtMouse(App& a, int shift, bool withUndo) {
  if (a.st.DatatypeMode) {
    PaintDatatype(a);
  } else if (shift != 2) {
    if (withUndo) PushUndo(a);
    PaintBrush(a);
  } else if (a.st.MapBufferValid) {
    if (withUndo) PushUndo(a);
    PasteBuffer(a);
  }
}

// Copies the cells under the map cursor into the map buffer. The rectangle is
// cut to the datamap first: a brush-sized click near the last column or row
// would otherwise read cells that do not exist.
void CopyCursorBlock(App& a) {
  ProgramState& st = a.st;
  MainForm& f = a.frm;
  const Shape cur = f.shpMapCursor;
  st.MouseCellX = int16_t(cur.left);
  st.MouseCellY = int16_t(cur.top);
  st.Selecting = false;
  const int width = std::min(cur.width, kMapCols * kCell - cur.left);
  const int height = std::min(cur.height, kMapRows * kCell - cur.top);
  if (cur.left < 0 || cur.top < 0 || width < kCell || height < kCell) return;

  f.shpMapSelected.top = cur.top;
  f.shpMapSelected.left = cur.left;
  f.shpMapSelected.width = width;
  f.shpMapSelected.height = height;

  f.picMapBuffer.resize(width, height);
  f.picMapBuffer.clear();
  Picture::bitBlt(f.picMapBuffer, 0, 0, width, height, f.picMap, cur.left, cur.top);
  CopyToHoverPreview(a, f.picMapBufferHover, f.picMapBuffer);

  st.MapBufferMaxX = int16_t(width / kCell - 1);
  st.MapBufferMaxY = int16_t(height / kCell - 1);
  st.MapBuffer.assign(size_t(st.MapBufferMaxX + 1) * size_t(st.MapBufferMaxY + 1), 0);
  const int col = cur.left / kCell, row = cur.top / kCell;
  for (int i = 0; i <= st.MapBufferMaxY; ++i)
    for (int j = 0; j <= st.MapBufferMaxX; ++j)
      st.MapBufferAt(j, i) = st.DatamapAt(col + j, row + i);
  st.MapBufferValid = true;

  f.shpMapCursor.width = f.shpTileSelected.width;
  f.shpMapCursor.height = f.shpTileSelected.height;
  f.shpMapCursor.borderColor = kRed;
}

}  // namespace

void PasteBuffer(App& a) {
  ProgramState& st = a.st;
  const Picture& block = a.frm.picMapBuffer;
  Picture::bitBlt(a.frm.picMap, st.MouseCellX, st.MouseCellY, block.width(), block.height(), block,
                  0, 0);
  WriteBlock(st, st.MouseCellX / kCell, st.MouseCellY / kCell, st.MapBufferMaxX, st.MapBufferMaxY,
             [&](int j, int i) { return st.MapBufferAt(j, i); });
}

int16_t SnapToCell(float v) {
  const double cell = std::floor(double(v) / kCell);
  return int16_t(kCell * std::clamp(cell, -2048.0, 2047.0));
}

void picMap_MouseDown(App& a, int button, int shift, float x, float y) {
  ProgramState& st = a.st;
  st.MouseCellX = SnapToCell(x);
  st.MouseCellY = SnapToCell(y);
  if (button == 1) {
    PaintAtMouse(a, shift, true);
  } else if (button == 2 && !st.DatatypeMode) {
    st.Selecting = true;
    st.SelAnchorX = SnapToCell(x);
    st.SelAnchorY = SnapToCell(y);
  }
}

void picMap_MouseMove(App& a, int button, int shift, float x, float y) {
  ProgramState& st = a.st;
  MoveCursor(a, a.frm.shpMapCursor, shift, x, y, 2);
  if (button == 1) PaintAtMouse(a, shift, false);
  if (button == 2 && st.DatatypeMode) return;
  a.frm.statusPanel[0] = "X = " + std::to_string(st.MouseCellX / kCell + 1);
  a.frm.statusPanel[1] = "Y = " + std::to_string(st.MouseCellY / kCell + 1);
}

void picMap_MouseUp(App& a, int button, int shift, float /*x*/, float /*y*/) {
  if (a.st.HoverPreview) a.frm.picTileSelectedHover.visible = true;
  if (button == 2 && shift == 0 && !a.st.DatatypeMode) CopyCursorBlock(a);
}

void MoveCursor(App& a, Shape& shape, int shift, float& x, float& y, int view) {
  ProgramState& st = a.st;
  MainForm& f = a.frm;
  int w, h;
  if (view == 1) {
    w = f.picTileView.width();
    h = f.picTileView.height();
  } else {
    st.LastMapX = x;
    st.LastMapY = y;
    w = f.picMap.width();
    h = f.picMap.height();
    if (!st.DatatypeMode) {
      const Shape& size = shift != 2 ? f.shpTileSelected : f.shpMapSelected;
      shape.width = size.width;
      shape.height = size.height;
    }
  }
  // Kept on the picture; fmax takes NaN for the corner.
  x = std::fmin(std::fmax(x, 0.0f), float(w - 1));
  y = std::fmin(std::fmax(y, 0.0f), float(h - 1));

  if (st.Selecting) {
    if (shift != 0) {
      st.Selecting = false;
      return;
    }
    st.MouseCellX = SnapToCell(x);
    st.MouseCellY = SnapToCell(y);
    // The rectangle spans the anchor cell and the current cell, whichever comes first.
    const int left = std::min(st.MouseCellX, st.SelAnchorX);
    const int top = std::min(st.MouseCellY, st.SelAnchorY);
    st.SelEndX = int16_t(std::max(st.MouseCellX, st.SelAnchorX) + kCell);
    st.SelEndY = int16_t(std::max(st.MouseCellY, st.SelAnchorY) + kCell);
    shape.top = top;
    shape.left = left;
    shape.width = st.SelEndX - left;
    shape.height = st.SelEndY - top;
    shape.borderColor = st.SelectColor;
    if (st.HoverPreview) {
      f.picTileSelectedHover.visible = false;
      f.picMapBufferHover.visible = false;
    }
    return;
  }

  st.MouseCellX = SnapToCell(x);
  st.MouseCellY = SnapToCell(y);
  shape.top = st.MouseCellY;
  shape.left = st.MouseCellX;
  shape.borderColor = kRed;

  if (view == 2 && st.HoverPreview) {
    Picture& shown = (shift == 1 || shift == 2) ? f.picMapBufferHover : f.picTileSelectedHover;
    Picture& hidden = (shift == 1 || shift == 2) ? f.picTileSelectedHover : f.picMapBufferHover;
    shown.visible = true;
    hidden.visible = false;
    shown.top = st.MouseCellY;
    shown.left = st.MouseCellX;
  }
}

void mnuUndo_Click(App& a) {
  ProgramState& st = a.st;
  if (st.UndoLevel < 1 || st.UndoLevel >= kUndoSlots) return;
  std::memcpy(st.Datamap.data(), st.UndoSlot(st.UndoLevel), kMapCells);
  --st.UndoLevel;
  RedrawMap(a);
}
