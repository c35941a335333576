#include <functional>

#include "editor/logic/KeyboardCommands.h"
#include "editor/logic/TileEditor.h"
#include "logic_fixture.h"

// The mouse on the map and the sheet where the window tests do not reach: the
// edges of the arrays, and what a new selection withdraws.

using MapEditing = MapTest;

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

TEST_F(MapEditing, TheSheetCutsFramesAndStampsAtItsEdges) {
  // Shift ends a drag; the 4 x 3 frame then follows the mouse to the corner.
  picTileView_MouseMove(a, 0, 0, Mid(0), Mid(0));
  picTileView_MouseDown(a, 2, 0, Mid(0), Mid(0));
  picTileView_MouseMove(a, 2, 0, Mid(3), Mid(2));
  picTileView_MouseMove(a, 2, 1, Mid(3), Mid(2));
  picTileView_MouseMove(a, 2, 1, Mid(30), Mid(6));
  picTileView_MouseUp(a, 2, 1, Mid(30), Mid(6));
  const Shape& s = a.frm.shpTileSelected;
  EXPECT_EQ(QRect(s.left, s.top, s.width, s.height), QRect(480, 96, 32, 32));
  EXPECT_EQ(a.st.TileBrush, (std::vector<uint8_t>{222, 223, 254, 255}));

  a.st.DatamapAt(3, 3) = 255;
  drag(kSheet, 0, 0, 2, 1);    // 0 1 2 / 32 33 34
  click(kSheet, 30, 6, 1, 2);  // Ctrl+left stamps
  EXPECT_TRUE(showsTile(a.frm.picTileView, 480, 96, 0));
  EXPECT_TRUE(showsTile(a.frm.picTileView, 496, 112, 33));
  EXPECT_TRUE(showsTile(a.frm.picTileView, 0, 112, 224));  // nothing wrapped
  EXPECT_TRUE(showsTile(a.frm.picMap, 48, 48, 33));        // tile 255's new image
}

TEST_F(MapEditing, EveryChangeOfTheSelectedTileWithdrawsTileUndo) {
  const std::pair<const char*, std::function<void()>> changes[] = {
      {"a click on the sheet", [&] { click(kSheet, 4, 1); }},
      {"a block drag", [&] { drag(kSheet, 4, 1, 6, 2); }},
      {"a random-fill pick",
       [&] {
         a.st.RandomFillStep = 1;
         click(kSheet, 4, 1);
         a.st.RandomFillStep = 0;
       }},
      {"a reset", [&] { ResetTileSelection(a); }},
      {"a typed tile", [&] { Form_KeyUp(a, 'A', 0); }},
  };
  for (const auto& [what, change] : changes) {
    cmdClear_Click(a);
    ASSERT_TRUE(a.frm.cmdUndoEnabled && !a.frm.cmdClearEnabled) << what;
    change();
    EXPECT_FALSE(a.frm.cmdUndoEnabled) << what;
    EXPECT_TRUE(a.frm.cmdClearEnabled) << what;
  }
}
