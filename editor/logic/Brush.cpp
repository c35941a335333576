#include "editor/logic/Brush.h"

#include "editor/logic/HoverPreview.h"
#include "editor/logic/TileEditor.h"
#include "model/App.h"
#include "render/TilesetRender.h"

void SelectSingleTile(App& a, int tile) {
  constexpr int kCell = 16, kSheetCols = 32;
  ProgramState& st = a.st;
  MainForm& f = a.frm;
  Shape& sel = f.shpTileSelected;
  sel.top = kCell * (tile / kSheetCols);
  sel.left = kCell * (tile % kSheetCols);
  sel.width = kCell;
  sel.height = kCell;
  st.TileBrushMaxX = 0;
  st.TileBrushMaxY = 0;
  st.TileBrush.assign(1, uint8_t(tile));

  f.picTileSelected.resize(kCell, kCell);
  ClearTilePicture(a, f.picTileSelected);
  Picture::bitBlt(f.picTileSelected, 0, 0, kCell, kCell, f.picTileView, sel.left, sel.top);
  CopyToHoverPreview(a, f.picTileSelectedHover, f.picTileSelected);
  TakeEditedTileFromBrush(a);
  ForgetTileUndo(a);
  LoadTileEditor(a);
}
