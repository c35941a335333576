#include <vector>

#include "editor/logic/IdentifyTiles.h"
#include "test_map_editing_helpers.h"

namespace {

using IdentifyTiles = MapTest;
using Markers = std::vector<std::array<int, 4>>;  // tile, left, top, colour

Markers markers(const MainForm& f) {
  Markers out;
  for (int t = 0; t < 256; ++t) {
    const Shape& s = f.shpTilesUsed[size_t(t)];
    if (s.visible && (t == 0 || f.shpTilesUsedExists[size_t(t)]))
      out.push_back({t, s.left, s.top, s.borderColor});
  }
  return out;
}

std::vector<bool> locks(App& a) {
  return {a.frm.picMap.enabled, a.frm.Frame1.enabled, a.frm.Frame3.enabled, a.frm.Frame4.enabled,
          a.frm.menu("mnuEdit").enabled, a.frm.menu("mnuLoadPalette").enabled,
          a.frm.menu("mnuTilesetSaveAs").enabled, a.frm.menu("mnuTilesetSave").enabled};
}

}  // namespace

TEST_F(IdentifyTiles, EveryCellCountsMarkersLockEditingAndOnOffOnMarksTheSame) {
  mnuIdentify_Click(a);
  const int32_t c = a.st.SelectColor;
  EXPECT_EQ(markers(a.frm), (Markers{{0, 0, 0, c}}));  // a cleared map
  mnuIdentify_Click(a);

  a.st.DatamapAt(3, 0) = 33;
  a.st.DatamapAt(255, 127) = 255;  // outside a map made smaller
  a.st.MapWidth = 10;
  a.st.MapHeight = 5;
  mnuIdentify_Click(a);
  const Markers expected{{0, 0, 0, c}, {33, 16, 16, c}, {255, 496, 112, c}};
  EXPECT_EQ(markers(a.frm), expected);
  EXPECT_EQ(locks(a), (std::vector<bool>{false, false, false, false, false, false, false, true}));
  EXPECT_EQ(a.frm.menu("mnuTilesetSave").caption, "Save Tiles Used Image");

  mnuIdentify_Click(a);
  EXPECT_TRUE(markers(a.frm).empty());
  EXPECT_EQ(locks(a), std::vector<bool>(8, true));
  EXPECT_EQ(a.frm.menu("mnuTilesetSave").caption, "Save Tileset");
  mnuIdentify_Click(a);
  EXPECT_EQ(markers(a.frm), expected);
}
