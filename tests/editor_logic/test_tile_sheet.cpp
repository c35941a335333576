#include "editor/logic/MenuState.h"
#include "test_map_editing_helpers.h"

using TileSheet = MapTest;

namespace {
// The selection frame on the sheet and the brush size, as one value each.
void ExpectBrush(App& a, int left, int top, int cols, int rows) {
  const Shape& s = a.frm.shpTileSelected;
  EXPECT_EQ(QRect(s.left, s.top, s.width, s.height), QRect(left, top, 16 * cols, 16 * rows));
  EXPECT_EQ(QSize(a.st.TileBrushMaxX + 1, a.st.TileBrushMaxY + 1), QSize(cols, rows));
}
}  // namespace

TEST_F(TileSheet, AReverseDragSelectsTheSpannedBlock) {
  drag(kSheet, 5, 1, 2, 3);
  ExpectBrush(a, 32, 16, 4, 3);
  EXPECT_EQ(a.st.TileBrushAt(0, 0), 34);
  EXPECT_EQ(a.st.TileBrushAt(3, 2), 101);
  EXPECT_TRUE(showsTile(a.frm.picTileSelected, 48, 32, 101));
}

TEST_F(TileSheet, AFrameReachingPastTheSheetIsCutAtRelease) {
  picTileView_MouseMove(a, 0, 0, Mid(0), Mid(0));
  picTileView_MouseDown(a, 2, 0, Mid(0), Mid(0));
  picTileView_MouseMove(a, 2, 0, Mid(3), Mid(2));
  // Shift ends the drag; the 4 x 3 frame then follows the mouse to the corner.
  picTileView_MouseMove(a, 2, 1, Mid(3), Mid(2));
  picTileView_MouseMove(a, 2, 1, Mid(30), Mid(6));
  picTileView_MouseUp(a, 2, 1, Mid(30), Mid(6));
  ExpectBrush(a, 480, 96, 2, 2);
  EXPECT_EQ(a.st.TileBrush, (std::vector<uint8_t>{222, 223, 254, 255}));
}

TEST_F(TileSheet, CtrlLeftStampsTheVisiblePartOfTheBrushAndRedrawsTheMap) {
  a.st.DatamapAt(3, 3) = 254;
  drag(kSheet, 0, 0, 2, 1);  // 0 1 2 / 32 33 34
  click(kSheet, 30, 6, 1, 2);
  EXPECT_TRUE(showsTile(a.frm.picTileView, 480, 96, 0));
  EXPECT_TRUE(showsTile(a.frm.picTileView, 496, 112, 33));
  EXPECT_TRUE(showsTile(a.frm.picTileView, 0, 112, 224));  // nothing wrapped
  EXPECT_TRUE(showsTile(a.frm.picMap, 48, 48, 32));        // tile 254's new image
  ExpectBrush(a, 0, 0, 3, 2);
}

TEST_F(TileSheet, RandomFillPicksOfSevenEightNineShowInTheirBoxes) {
  a.st.RandomFillStep = 1;
  SetMenuState(a, 0);
  for (int t : {7, 8, 9}) click(kSheet, t, 0);
  EXPECT_TRUE(showsTile(a.frm.picFill1, 0, 0, 7));
  EXPECT_TRUE(showsTile(a.frm.picFill2, 0, 0, 8));
  EXPECT_TRUE(showsTile(a.frm.picFill3, 0, 0, 9));
  EXPECT_EQ(a.st.RandomFillTile[3], 9);
  EXPECT_EQ(a.st.RandomFillStep, 0);
  EXPECT_TRUE(a.frm.menu("mnuEdit").enabled);  // the pick has ended
}

TEST_F(TileSheet, InDatatypeModeClicksChangeNeitherBrushNorSheet) {
  click(kSheet, 9, 2);
  a.st.DatatypeMode = true;
  drag(kSheet, 4, 4, 6, 5);
  click(kSheet, 4, 4, 1, 2);
  ExpectBrush(a, 144, 32, 1, 1);
  EXPECT_EQ(a.st.TileBrushAt(0, 0), 73);
  EXPECT_TRUE(showsTile(a.frm.picTileView, 64, 64, 132));  // no stamp
}

TEST_F(TileSheet, ResetMakesTileZeroTheBrush) {
  drag(kSheet, 2, 1, 5, 3);
  ResetTileSelection(a);
  ExpectBrush(a, 0, 0, 1, 1);
  EXPECT_EQ(a.st.TileBrush, std::vector<uint8_t>{0});
  EXPECT_TRUE(showsTile(a.frm.picTileSelected, 0, 0, 0));
  EXPECT_EQ(a.st.TilePixels[9], SheetColor(0, 2, 2));  // the edit grid samples every second pixel
}
