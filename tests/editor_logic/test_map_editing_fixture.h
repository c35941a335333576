#pragma once
#include <memory>

#include "editor/logic/MapEditing.h"
#include "editor/logic/TileSheet.h"
#include "model/App.h"
#include "platform/Color.h"
#include "render/MapRender.h"

namespace mapedit_test {

// Pixel (x, y) of tile t on the sheet: every pixel of every tile differs, so a
// pixel on the map names the tile and the place inside it that it came from.
inline int32_t SheetColor(int tile, int x, int y) {
  return RGBColor(tile, 16 * x + 8, 16 * y + 8);
}

// Pixel (x, y) of the 8 x 8 edited tile: the sheet is halved by sampling.
inline int32_t HalfTileColor(int tile, int x, int y) {
  return SheetColor(tile, 2 * x, 2 * y);
}

inline std::unique_ptr<App> MakeApp(int mapWidth = 256, int mapHeight = 128) {
  auto a = std::make_unique<App>();
  Picture& sheet = a->frm.picTileView;
  for (int t = 0; t < 256; ++t)
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x)
        sheet.setPixel(16 * (t % 32) + x, 16 * (t / 32) + y, SheetColor(t, x, y));
  a->st.MapWidth = int16_t(mapWidth);
  a->st.MapHeight = int16_t(mapHeight);
  a->frm.picMap.resize(16 * mapWidth, 16 * mapHeight);
  a->st.SelectColor = 0x00FFFF;
  RedrawMap(*a);
  ResetTileSelection(*a);
  a->frm.picMap.takeDirty();
  return a;
}

inline float Mid(int cell) { return float(16 * cell + 7); }

// A user's click on the sheet: the mouse arrives, presses, releases.
inline void ClickTile(App& a, int col, int row, int button = 1, int shift = 0) {
  picTileView_MouseMove(a, 0, shift, Mid(col), Mid(row));
  picTileView_MouseDown(a, button, shift, Mid(col), Mid(row));
  picTileView_MouseUp(a, button, shift, Mid(col), Mid(row));
}

// A right-button drag on the sheet from one cell to another.
inline void DragTiles(App& a, int col0, int row0, int col1, int row1) {
  picTileView_MouseMove(a, 0, 0, Mid(col0), Mid(row0));
  picTileView_MouseDown(a, 2, 0, Mid(col0), Mid(row0));
  picTileView_MouseMove(a, 2, 0, Mid(col1), Mid(row1));
  picTileView_MouseUp(a, 2, 0, Mid(col1), Mid(row1));
}

// Does the 16 x 16 block of pic at (px, py) show tile t as the sheet has it?
inline bool ShowsTile(const Picture& pic, int px, int py, int tile) {
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      if (pic.pixel(px + x, py + y) != SheetColor(tile, x, y)) return false;
  return true;
}

}  // namespace mapedit_test
