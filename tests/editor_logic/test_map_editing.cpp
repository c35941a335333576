#include <tuple>

#include "test_map_editing_helpers.h"

using MapEditing = MapTest;

TEST_F(MapEditing, PressPaintsTheBrushIntoItsCellAndDirtiesOnlyThatCell) {
  click(kSheet, 1, 2);  // tile 65
  a.frm.picMap.takeDirty();
  picMap_MouseDown(a, 1, 0, 3 * 16 + 9, 2 * 16 + 15);
  EXPECT_EQ(a.st.DatamapAt(3, 2), 65);
  EXPECT_TRUE(showsTile(a.frm.picMap, 48, 32, 65));
  EXPECT_EQ(a.frm.picMap.takeDirty(), QRect(48, 32, 16, 16));
  EXPECT_EQ(a.st.UndoLevel, 1);
  // Dragging on paints further cells under the same snapshot.
  picMap_MouseMove(a, 1, 0, Mid(4), Mid(2));
  picMap_MouseMove(a, 1, 0, Mid(5) + 6, Mid(2));
  picMap_MouseUp(a, 1, 0, Mid(5), Mid(2));
  EXPECT_EQ(a.st.DatamapAt(5, 2), 65);
  EXPECT_EQ(a.st.UndoLevel, 1);
}

TEST_F(MapEditing, BlockBrushWritesEveryTileOfTheBlock) {
  drag(kSheet, 4, 1, 6, 2);  // 36 37 38 / 68 69 70
  click(kMap, 10, 20);
  const int expected[3][5] = {{0, 36, 37, 38, 0}, {0, 68, 69, 70, 0}, {0, 0, 0, 0, 0}};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 5; ++c) EXPECT_EQ(a.st.DatamapAt(9 + c, 20 + r), expected[r][c]);
  EXPECT_TRUE(showsTile(a.frm.picMap, 192, 336, 70));
  EXPECT_EQ(a.st.UndoLevel, 1);
}

TEST_F(MapEditing, RightDragCopiesTheSpannedBlockAndCtrlLeftPastesIt) {
  fillWithPattern();
  click(kSheet, 1, 2);
  click(kMap, 5, 5, 1, 2);  // nothing copied yet: nothing happens
  EXPECT_EQ(a.st.DatamapAt(5, 5), 40);
  EXPECT_EQ(a.st.UndoLevel, 0);
  for (int shift : {1, 2, 4}) {  // a release with a modifier copies nothing
    drag(kMap, 10, 5, 12, 6, shift);
    EXPECT_FALSE(a.st.MapBufferValid) << shift;
  }
  drag(kMap, 10, 5, 7, 8);  // tile (c + 7 r): 42 at (7, 5) to 66 at (10, 8)
  EXPECT_EQ(QSize(a.st.MapBufferMaxX + 1, a.st.MapBufferMaxY + 1), QSize(4, 4));
  click(kMap, 20, 30, 1, 2);
  EXPECT_EQ(a.st.DatamapAt(20, 30), 42);
  EXPECT_EQ(a.st.DatamapAt(23, 33), 66);
  EXPECT_EQ(a.st.DatamapAt(24, 30), (24 + 7 * 30) % 256);
  EXPECT_TRUE(showsTile(a.frm.picMap, 368, 528, 66));
  EXPECT_EQ(a.st.UndoLevel, 1);
}

TEST_F(MapEditing, StatusBarShowsTheOneBasedCellClampedToTheMap) {
  using Case = std::tuple<float, float, const char*, const char*>;  // mouse x, y, panels
  for (auto [x, y, col, row] :
       {Case{3, 9, "X = 1", "Y = 1"}, Case{4095, 2047, "X = 256", "Y = 128"},
        Case{272, 63, "X = 18", "Y = 4"}, Case{-35, -2, "X = 1", "Y = 1"},
        Case{9000, 5000, "X = 256", "Y = 128"}}) {
    picMap_MouseMove(a, 2, 0, x, y);
    EXPECT_EQ(a.frm.statusPanel[0], col) << x;
    EXPECT_EQ(a.frm.statusPanel[1], row) << y;
  }
}

TEST_F(MapEditing, TwelveUndosAfterFourteenPressesRestoreTheMapAfterTheSecond) {
  click(kSheet, 1, 2);
  CellArray afterSecond{};
  for (int k = 0; k < 14; ++k) {
    click(kMap, k, 3);
    if (k == 1) afterSecond = a.st.Datamap;
  }
  for (int k = 0; k < 12; ++k) mnuUndo_Click(a);
  EXPECT_EQ(a.st.UndoLevel, 0);
  EXPECT_TRUE(a.st.Datamap == afterSecond);
  EXPECT_TRUE(showsTile(a.frm.picMap, 32, 48, 0));  // the view follows
  mnuUndo_Click(a);
  EXPECT_TRUE(a.st.Datamap == afterSecond);
}

TEST_F(MapEditing, DatatypeModePaintsTheSelectedValueAndLeavesTheTiles) {
  click(kSheet, 1, 2);
  a.st.DatatypeMode = true;
  a.frm.lstDatatypes.items = {"00 = Nothing", "01 = Wall", "2A = Spikes"};
  a.frm.lstDatatypes.listIndex = 2;
  picMap_MouseMove(a, 0, 0, Mid(3), Mid(2));
  picMap_MouseDown(a, 1, 0, Mid(3), Mid(2));
  picMap_MouseMove(a, 1, 0, Mid(4), Mid(2));
  EXPECT_EQ(a.st.DatatypeAt(3, 2), 0x2A);
  EXPECT_EQ(a.st.DatatypeAt(4, 2), 0x2A);
  EXPECT_EQ(a.st.DatamapAt(3, 2), 0);
  EXPECT_EQ(a.st.UndoLevel, 0);
}

// Cells past column 255 or row 127 do not exist: nothing wraps into the next
// row and nothing lands behind the arrays.
TEST_F(MapEditing, BlocksAreCutAtTheLastColumnAndRow) {
  fillWithPattern();
  const uint8_t wrapTarget = a.st.DatamapAt(0, 127);  // column 256 of row 126
  drag(kSheet, 4, 1, 6, 2);                           // 36 37 38 / 68 69 70
  click(kMap, 254, 126);
  EXPECT_EQ(a.st.DatamapAt(255, 126), 37);
  EXPECT_EQ(a.st.DatamapAt(255, 127), 69);
  EXPECT_EQ(a.st.DatamapAt(0, 127), wrapTarget);
  drag(kSheet, 0, 6, 31, 7);  // 32 x 2 reaching past row 127
  click(kMap, 250, 127);
  EXPECT_EQ(a.st.DatamapAt(255, 127), 197);
  EXPECT_EQ(a.st.DatatypeMap, CellArray{});  // lies just behind the datamap
  drag(kMap, 7, 5, 10, 8);                   // 4 x 4 from tile 42
  click(kMap, 253, 126, 1, 2);
  EXPECT_EQ(a.st.DatamapAt(255, 127), 51);
  EXPECT_EQ(a.st.DatamapAt(0, 127), wrapTarget);
  drag(kSheet, 0, 0, 2, 1);  // a 3 x 2 brush: a right click copies its size
  click(kMap, 254, 127, 2);
  EXPECT_EQ(QSize(a.st.MapBufferMaxX + 1, a.st.MapBufferMaxY + 1), QSize(2, 1));
  click(kMap, 0, 0, 1, 2);
  EXPECT_EQ(a.st.DatamapAt(1, 0), 51);
  EXPECT_EQ(a.st.DatamapAt(2, 0), 2);
  EXPECT_EQ(a.st.DatamapAt(0, 1), 7);
}
