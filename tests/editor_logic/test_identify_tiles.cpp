#include <vector>

#include "editor/logic/IdentifyTiles.h"
#include "test_map_editing_helpers.h"

namespace {

using IdentifyTiles = MapTest;

// The markers shown: tile number, left, top, colour of each.
std::vector<std::array<int, 4>> markers(const MainForm& f) {
  std::vector<std::array<int, 4>> out;
  for (int t = 0; t < 256; ++t) {
    const Shape& s = f.shpTilesUsed[size_t(t)];
    if (s.visible && (t == 0 || f.shpTilesUsedExists[size_t(t)]))
      out.push_back({t, s.left, s.top, s.borderColor});
  }
  return out;
}

}  // namespace

TEST_F(IdentifyTiles, AClearedMapMarksTileZeroOnlyAndLocksEditing) {
  a.st.SelectColor = 0x123456;
  mnuIdentify_Click(a);
  EXPECT_TRUE(a.st.IdentifyMode);
  using M = std::vector<std::array<int, 4>>;
  EXPECT_EQ(markers(a.frm), (M{{0, 0, 0, 0x123456}}));
  EXPECT_EQ(a.frm.menu("mnuTilesetSave").caption, "Save Tiles Used Image");
  for (bool on : {a.frm.picMap.enabled, a.frm.Frame1.enabled, a.frm.Frame3.enabled,
                  a.frm.Frame4.enabled})
    EXPECT_FALSE(on);
  for (const char* off : {"mnuProject", "mnuDatamap", "mnuDatatype", "mnuCMap", "mnuTilesetLoad",
                          "mnuTilesetNew", "mnuTilesetSaveAs", "mnuTILEMRU(4)", "mnuLoadPalette",
                          "mnuEdit", "mnuBitmap", "mnuZoom", "mnuSettings"})
    EXPECT_FALSE(a.frm.menu(off).enabled) << off;
  for (const char* on : {"mnuTilesetSave", "mnuIdentify", "mnuFile", "mnuTileset"})
    EXPECT_TRUE(a.frm.menu(on).enabled) << on;
}

TEST_F(IdentifyTiles, CellsOutsideAShrunkMapStillCountAndOnOffOnGivesTheSameMarkers) {
  a.st.DatamapAt(3, 0) = 33;
  a.st.DatamapAt(255, 127) = 255;  // outside the used 10 x 5
  a.st.MapWidth = 10;
  a.st.MapHeight = 5;
  mnuIdentify_Click(a);
  using M = std::vector<std::array<int, 4>>;
  const int32_t c = a.st.SelectColor;
  const M expected{{0, 0, 0, c}, {33, 16, 16, c}, {255, 496, 112, c}};
  EXPECT_EQ(markers(a.frm), expected);

  mnuIdentify_Click(a);
  EXPECT_TRUE(markers(a.frm).empty());
  EXPECT_EQ(a.frm.menu("mnuTilesetSave").caption, "Save Tileset");
  for (bool on : {a.frm.picMap.enabled, a.frm.Frame1.enabled, a.frm.Frame3.enabled,
                  a.frm.Frame4.enabled, a.frm.menu("mnuEdit").enabled,
                  a.frm.menu("mnuLoadPalette").enabled})
    EXPECT_TRUE(on);

  mnuIdentify_Click(a);
  EXPECT_EQ(markers(a.frm), expected);
}

// Leaving the mode must not unlock a bitmap tileset's tile and palette editing.
TEST_F(IdentifyTiles, LeavingTheModeKeepsABitmapTilesetLocked) {
  a.st.TilesetFile = "sheet.bmp";
  a.frm.Frame1.enabled = a.frm.Frame4.enabled = a.frm.menu("mnuLoadPalette").enabled = false;
  mnuIdentify_Click(a);
  mnuIdentify_Click(a);
  EXPECT_FALSE(a.frm.Frame1.enabled);
  EXPECT_FALSE(a.frm.Frame4.enabled);
  EXPECT_FALSE(a.frm.menu("mnuLoadPalette").enabled);
  EXPECT_TRUE(a.frm.Frame3.enabled);
  EXPECT_TRUE(a.frm.picMap.enabled);
}
