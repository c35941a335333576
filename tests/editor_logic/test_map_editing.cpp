#include <gtest/gtest.h>

#include <cstring>

#include "test_map_editing_fixture.h"

using namespace mapedit_test;

namespace {

// A click on the map as a user makes it: the mouse arrives, presses, releases.
void ClickMap(App& a, int col, int row, int button = 1, int shift = 0) {
  picMap_MouseMove(a, 0, shift, Mid(col), Mid(row));
  picMap_MouseDown(a, button, shift, Mid(col), Mid(row));
  picMap_MouseUp(a, button, shift, Mid(col), Mid(row));
}

// A right-button drag on the map between two cells, released without modifier.
void CopyMapBlock(App& a, int col0, int row0, int col1, int row1) {
  picMap_MouseMove(a, 0, 0, Mid(col0), Mid(row0));
  picMap_MouseDown(a, 2, 0, Mid(col0), Mid(row0));
  picMap_MouseMove(a, 2, 0, Mid(col1), Mid(row1));
  picMap_MouseUp(a, 2, 0, Mid(col1), Mid(row1));
}

// Puts tile (c + 7 r) mod 256 into every cell so that copies show where they came from.
void FillMapWithPattern(App& a) {
  for (int r = 0; r < kMapRows; ++r)
    for (int c = 0; c < kMapCols; ++c) a.st.DatamapAt(c, r) = uint8_t((c + 7 * r) % 256);
  RedrawMap(a);
  a.frm.picMap.takeDirty();
}

}  // namespace

// ---- Painting the brush

TEST(MapPainting, LeftPressPaintsTheBrushTileIntoItsCellOnly) {
  auto a = MakeApp();
  ClickTile(*a, 1, 2);  // tile 65
  a->frm.picMap.takeDirty();

  picMap_MouseDown(*a, 1, 0, 3 * 16 + 9, 2 * 16 + 15);
  EXPECT_EQ(a->st.DatamapAt(3, 2), 65);
  EXPECT_EQ(a->st.UndoLevel, 1);
  EXPECT_TRUE(ShowsTile(a->frm.picMap, 48, 32, 65));
  EXPECT_TRUE(ShowsTile(a->frm.picMap, 32, 32, 0));
  EXPECT_TRUE(ShowsTile(a->frm.picMap, 64, 32, 0));
  EXPECT_TRUE(ShowsTile(a->frm.picMap, 48, 48, 0));
  EXPECT_EQ(a->st.DatamapAt(2, 2), 0);
  EXPECT_EQ(a->st.DatamapAt(4, 2), 0);
  // Only the painted cell needs repainting: no redraw of the whole view.
  EXPECT_EQ(a->frm.picMap.takeDirty(), QRect(48, 32, 16, 16));
  // The snapshot holds the map from before the press.
  EXPECT_EQ(a->st.UndoSlot(1)[3 + 256 * 2], 0);
}

TEST(MapPainting, DraggingPaintsOnWithoutAnotherSnapshot) {
  auto a = MakeApp();
  ClickTile(*a, 1, 2);
  picMap_MouseMove(*a, 0, 0, Mid(3), Mid(2));
  picMap_MouseDown(*a, 1, 0, Mid(3), Mid(2));
  picMap_MouseMove(*a, 1, 0, Mid(4), Mid(2));
  picMap_MouseMove(*a, 1, 0, Mid(5) + 6, Mid(2));
  picMap_MouseUp(*a, 1, 0, Mid(5), Mid(2));

  EXPECT_EQ(a->st.DatamapAt(3, 2), 65);
  EXPECT_EQ(a->st.DatamapAt(4, 2), 65);
  EXPECT_EQ(a->st.DatamapAt(5, 2), 65);
  EXPECT_EQ(a->st.DatamapAt(6, 2), 0);
  EXPECT_TRUE(ShowsTile(a->frm.picMap, 80, 32, 65));
  EXPECT_EQ(a->st.UndoLevel, 1);
}

TEST(MapPainting, MovingWithoutTheLeftButtonPaintsNothing) {
  auto a = MakeApp();
  ClickTile(*a, 1, 2);
  picMap_MouseMove(*a, 0, 0, Mid(3), Mid(2));
  picMap_MouseMove(*a, 2, 0, Mid(4), Mid(2));
  picMap_MouseMove(*a, 3, 0, Mid(5), Mid(2));  // left and right together
  EXPECT_EQ(a->st.DatamapAt(3, 2), 0);
  EXPECT_EQ(a->st.DatamapAt(4, 2), 0);
  EXPECT_EQ(a->st.DatamapAt(5, 2), 0);
}

TEST(MapPainting, BlockBrushWritesEveryTileOfTheBlock) {
  auto a = MakeApp();
  DragTiles(*a, 4, 1, 6, 2);  // tiles 36 37 38 / 68 69 70
  ASSERT_EQ(a->st.TileBrushMaxX, 2);
  ASSERT_EQ(a->st.TileBrushMaxY, 1);

  ClickMap(*a, 10, 20);
  EXPECT_EQ(a->st.DatamapAt(10, 20), 36);
  EXPECT_EQ(a->st.DatamapAt(11, 20), 37);
  EXPECT_EQ(a->st.DatamapAt(12, 20), 38);
  EXPECT_EQ(a->st.DatamapAt(10, 21), 68);
  EXPECT_EQ(a->st.DatamapAt(11, 21), 69);
  EXPECT_EQ(a->st.DatamapAt(12, 21), 70);
  EXPECT_EQ(a->st.DatamapAt(13, 20), 0);
  EXPECT_EQ(a->st.DatamapAt(10, 22), 0);
  EXPECT_EQ(a->st.DatamapAt(9, 20), 0);
  EXPECT_TRUE(ShowsTile(a->frm.picMap, 160, 320, 36));
  EXPECT_TRUE(ShowsTile(a->frm.picMap, 192, 336, 70));
  EXPECT_EQ(a->st.UndoLevel, 1);
}

TEST(MapPainting, BrushReachingPastTheMapInUseWritesTheHiddenCells) {
  auto a = MakeApp(40, 25);
  DragTiles(*a, 4, 1, 6, 2);
  ClickMap(*a, 39, 24);
  EXPECT_EQ(a->st.DatamapAt(39, 24), 36);
  EXPECT_EQ(a->st.DatamapAt(40, 24), 37);
  EXPECT_EQ(a->st.DatamapAt(41, 25), 70);
}

TEST(MapPainting, ShiftAltAndCtrlShiftPaintTheBrush) {
  auto a = MakeApp();
  ClickTile(*a, 1, 2);
  ClickMap(*a, 1, 1, 1, 1);
  ClickMap(*a, 2, 1, 1, 4);
  ClickMap(*a, 3, 1, 1, 3);
  EXPECT_EQ(a->st.DatamapAt(1, 1), 65);
  EXPECT_EQ(a->st.DatamapAt(2, 1), 65);
  EXPECT_EQ(a->st.DatamapAt(3, 1), 65);
  EXPECT_EQ(a->st.UndoLevel, 3);
}

TEST(MapPainting, CtrlLeftWithoutACopiedBlockChangesNothing) {
  auto a = MakeApp();
  ClickTile(*a, 1, 2);
  a->frm.picMap.takeDirty();
  ClickMap(*a, 5, 5, 1, 2);
  EXPECT_EQ(a->st.DatamapAt(5, 5), 0);
  EXPECT_EQ(a->st.UndoLevel, 0);
  EXPECT_TRUE(a->frm.picMap.takeDirty().isEmpty());
  EXPECT_EQ(a->st.MouseCellX, 80);
  EXPECT_EQ(a->st.MouseCellY, 80);
}

TEST(MapPainting, MiddlePressOnlyRemembersTheCell) {
  auto a = MakeApp();
  ClickTile(*a, 1, 2);
  picMap_MouseDown(*a, 4, 0, Mid(9), Mid(3));
  EXPECT_EQ(a->st.MouseCellX, 144);
  EXPECT_EQ(a->st.MouseCellY, 48);
  EXPECT_EQ(a->st.DatamapAt(9, 3), 0);
  EXPECT_EQ(a->st.UndoLevel, 0);
  EXPECT_FALSE(a->st.Selecting);
}

// ---- Copying a block with the right button and pasting it with Ctrl

TEST(MapCopy, RightDragCopiesTheSpannedBlockWhicheverWayItGoes) {
  auto a = MakeApp();
  FillMapWithPattern(*a);
  DragTiles(*a, 0, 0, 2, 1);  // a 3 x 2 brush: the cursor returns to this size
  CopyMapBlock(*a, 10, 5, 7, 8);

  const ProgramState& st = a->st;
  EXPECT_TRUE(st.MapBufferValid);
  EXPECT_FALSE(st.Selecting);
  EXPECT_EQ(st.MapBufferMaxX, 3);
  EXPECT_EQ(st.MapBufferMaxY, 3);
  ASSERT_EQ(st.MapBuffer.size(), 16u);
  // Tile (c + 7 r): the block's corners are cells (7, 5), (10, 5), (7, 8), (10, 8).
  EXPECT_EQ(a->st.MapBufferAt(0, 0), 42);
  EXPECT_EQ(a->st.MapBufferAt(3, 0), 45);
  EXPECT_EQ(a->st.MapBufferAt(0, 3), 63);
  EXPECT_EQ(a->st.MapBufferAt(3, 3), 66);
  EXPECT_EQ(a->frm.picMapBuffer.width(), 64);
  EXPECT_EQ(a->frm.picMapBuffer.height(), 64);
  EXPECT_TRUE(ShowsTile(a->frm.picMapBuffer, 0, 0, 42));
  EXPECT_TRUE(ShowsTile(a->frm.picMapBuffer, 48, 48, 66));
  EXPECT_EQ(a->frm.shpMapSelected.left, 112);
  EXPECT_EQ(a->frm.shpMapSelected.top, 80);
  EXPECT_EQ(a->frm.shpMapSelected.width, 64);
  EXPECT_EQ(a->frm.shpMapSelected.height, 64);
  const Shape& cur = a->frm.shpMapCursor;
  EXPECT_EQ(cur.left, 112);
  EXPECT_EQ(cur.top, 80);
  EXPECT_EQ(cur.width, 48);
  EXPECT_EQ(cur.height, 32);
  EXPECT_EQ(cur.borderColor, 255);
  EXPECT_EQ(st.MouseCellX, 112);
  EXPECT_EQ(st.MouseCellY, 80);
  EXPECT_EQ(st.UndoLevel, 0);
}

TEST(MapCopy, TheDragRectangleIsShownInTheSelectionColour) {
  auto a = MakeApp();
  picMap_MouseMove(*a, 0, 0, Mid(10), Mid(5));
  picMap_MouseDown(*a, 2, 0, Mid(10), Mid(5));
  picMap_MouseMove(*a, 2, 0, Mid(7), Mid(8));
  const Shape& cur = a->frm.shpMapCursor;
  EXPECT_EQ(cur.left, 112);
  EXPECT_EQ(cur.top, 80);
  EXPECT_EQ(cur.width, 64);
  EXPECT_EQ(cur.height, 64);
  EXPECT_EQ(cur.borderColor, 0x00FFFF);
}

TEST(MapCopy, CtrlLeftPastesTheCopiedBlockWithOneSnapshot) {
  auto a = MakeApp();
  FillMapWithPattern(*a);
  CopyMapBlock(*a, 10, 5, 7, 8);
  ClickMap(*a, 20, 30, 1, 2);

  EXPECT_EQ(a->st.DatamapAt(20, 30), 42);
  EXPECT_EQ(a->st.DatamapAt(23, 30), 45);
  EXPECT_EQ(a->st.DatamapAt(20, 33), 63);
  EXPECT_EQ(a->st.DatamapAt(23, 33), 66);
  EXPECT_EQ(a->st.DatamapAt(24, 30), (24 + 7 * 30) % 256);
  EXPECT_TRUE(ShowsTile(a->frm.picMap, 320, 480, 42));
  EXPECT_TRUE(ShowsTile(a->frm.picMap, 368, 528, 66));
  EXPECT_EQ(a->st.UndoLevel, 1);
}

TEST(MapCopy, CtrlMovesShowTheCopiedBlocksSizeAndCtrlDragPastesAlong) {
  auto a = MakeApp();
  FillMapWithPattern(*a);
  CopyMapBlock(*a, 7, 5, 8, 5);  // 2 x 1
  picMap_MouseMove(*a, 0, 2, Mid(40), Mid(40));
  EXPECT_EQ(a->frm.shpMapCursor.width, 32);
  EXPECT_EQ(a->frm.shpMapCursor.height, 16);
  picMap_MouseDown(*a, 1, 2, Mid(40), Mid(40));
  picMap_MouseMove(*a, 1, 2, Mid(42), Mid(40));
  picMap_MouseUp(*a, 1, 2, Mid(42), Mid(40));
  EXPECT_EQ(a->st.DatamapAt(40, 40), 42);
  EXPECT_EQ(a->st.DatamapAt(41, 40), 43);
  EXPECT_EQ(a->st.DatamapAt(42, 40), 42);
  EXPECT_EQ(a->st.DatamapAt(43, 40), 43);
  EXPECT_EQ(a->st.UndoLevel, 1);
  picMap_MouseMove(*a, 0, 0, Mid(40), Mid(40));
  EXPECT_EQ(a->frm.shpMapCursor.width, 16);  // back to the brush's size
}

TEST(MapCopy, ReleasingTheRightButtonWithAModifierCopiesNothingAndTheDragGoesOn) {
  auto a = MakeApp();
  FillMapWithPattern(*a);
  picMap_MouseMove(*a, 0, 0, Mid(10), Mid(5));
  picMap_MouseDown(*a, 2, 0, Mid(10), Mid(5));
  picMap_MouseMove(*a, 2, 0, Mid(12), Mid(6));
  picMap_MouseUp(*a, 2, 2, Mid(12), Mid(6));
  picMap_MouseUp(*a, 2, 1, Mid(12), Mid(6));
  EXPECT_FALSE(a->st.MapBufferValid);
  EXPECT_TRUE(a->st.Selecting);

  // Without a modifier the rectangle keeps stretching from the first anchor.
  picMap_MouseMove(*a, 0, 0, Mid(13), Mid(7));
  picMap_MouseUp(*a, 2, 0, Mid(13), Mid(7));
  EXPECT_TRUE(a->st.MapBufferValid);
  EXPECT_EQ(a->st.MapBufferMaxX, 3);
  EXPECT_EQ(a->st.MapBufferMaxY, 2);
  EXPECT_EQ(a->st.MapBufferAt(0, 0), 10 + 35);
}

TEST(MapCopy, AMoveWithAModifierEndsTheDragWithoutCopying) {
  auto a = MakeApp();
  picMap_MouseMove(*a, 0, 0, Mid(10), Mid(5));
  picMap_MouseDown(*a, 2, 0, Mid(10), Mid(5));
  picMap_MouseMove(*a, 2, 0, Mid(12), Mid(6));
  picMap_MouseMove(*a, 2, 1, Mid(13), Mid(6));
  EXPECT_FALSE(a->st.Selecting);
  EXPECT_FALSE(a->st.MapBufferValid);
}

TEST(MapCopy, RightClickWithoutDragCopiesABrushSizedBlockAtTheClickedCell) {
  auto a = MakeApp();
  FillMapWithPattern(*a);
  ClickMap(*a, 3, 4, 2);
  EXPECT_EQ(a->st.MapBufferMaxX, 0);
  EXPECT_EQ(a->st.MapBufferMaxY, 0);
  EXPECT_EQ(a->st.MapBufferAt(0, 0), 3 + 28);

  DragTiles(*a, 0, 0, 2, 1);
  ClickMap(*a, 3, 4, 2);
  EXPECT_EQ(a->st.MapBufferMaxX, 2);
  EXPECT_EQ(a->st.MapBufferMaxY, 1);
  EXPECT_EQ(a->st.MapBufferAt(2, 1), 5 + 35);
}

// ---- Blocks at the datamap's last column and row

TEST(MapEdges, BrushPastColumn255IsCutThereNotWrappedIntoTheNextRow) {
  auto a = MakeApp();
  DragTiles(*a, 4, 1, 6, 2);  // 36 37 38 / 68 69 70
  ClickMap(*a, 254, 126);
  EXPECT_EQ(a->st.DatamapAt(254, 126), 36);
  EXPECT_EQ(a->st.DatamapAt(255, 126), 37);
  EXPECT_EQ(a->st.DatamapAt(254, 127), 68);
  EXPECT_EQ(a->st.DatamapAt(255, 127), 69);
  EXPECT_EQ(a->st.DatamapAt(0, 127), 0);  // where column 256 of row 126 would land
  EXPECT_EQ(a->st.DatamapAt(0, 126), 0);
}

TEST(MapEdges, BrushPastRow127LeavesEverythingBehindTheDatamapAlone) {
  auto a = MakeApp();
  DragTiles(*a, 0, 6, 31, 7);  // 32 x 2, the last two sheet rows
  ClickMap(*a, 250, 127);
  EXPECT_EQ(a->st.DatamapAt(250, 127), 192);
  EXPECT_EQ(a->st.DatamapAt(255, 127), 197);
  EXPECT_EQ(a->st.DatamapAt(0, 127), 0);
  EXPECT_EQ(a->st.DatamapAt(249, 127), 0);
  // Row 128 would be the bytes behind the array.
  EXPECT_EQ(a->st.MapWidth, 256);
  EXPECT_EQ(a->st.MapHeight, 128);
  EXPECT_EQ(a->st.DatatypeAt(0, 0), 0);
}

TEST(MapEdges, PastedBlockIsCutAtTheLastColumnAndRow) {
  auto a = MakeApp();
  FillMapWithPattern(*a);
  CopyMapBlock(*a, 7, 5, 10, 8);  // 4 x 4, first tile 42
  const uint8_t wrapped = a->st.DatamapAt(0, 127);  // where column 256 of row 126 would land
  ClickMap(*a, 253, 126, 1, 2);
  EXPECT_EQ(a->st.DatamapAt(253, 126), 42);
  EXPECT_EQ(a->st.DatamapAt(255, 126), 44);
  EXPECT_EQ(a->st.DatamapAt(255, 127), 51);
  EXPECT_EQ(a->st.DatamapAt(0, 127), wrapped);
  EXPECT_EQ(a->st.MapWidth, 256);
  EXPECT_EQ(a->st.MapHeight, 128);
}

TEST(MapEdges, BrushSizedRightClickAtTheCornerCopiesOnlyExistingCells) {
  auto a = MakeApp();
  FillMapWithPattern(*a);
  DragTiles(*a, 0, 0, 2, 1);  // 3 x 2
  ClickMap(*a, 254, 127, 2);
  EXPECT_EQ(a->st.MapBufferMaxX, 1);
  EXPECT_EQ(a->st.MapBufferMaxY, 0);
  EXPECT_EQ(a->st.MapBufferAt(0, 0), (254 + 7 * 127) % 256);
  EXPECT_EQ(a->st.MapBufferAt(1, 0), (255 + 7 * 127) % 256);
  EXPECT_EQ(a->frm.picMapBuffer.width(), 32);
  EXPECT_EQ(a->frm.picMapBuffer.height(), 16);

  // Pasting it back elsewhere writes exactly the two copied cells.
  ClickMap(*a, 0, 0, 1, 2);
  EXPECT_EQ(a->st.DatamapAt(0, 0), (254 + 7 * 127) % 256);
  EXPECT_EQ(a->st.DatamapAt(1, 0), (255 + 7 * 127) % 256);
  EXPECT_EQ(a->st.DatamapAt(2, 0), 2);
  EXPECT_EQ(a->st.DatamapAt(0, 1), 7);
}

// ---- The status bar

TEST(MapStatusBar, ShowsTheOneBasedCellUnderTheMouse) {
  auto a = MakeApp();
  picMap_MouseMove(*a, 0, 0, 3, 9);
  EXPECT_EQ(a->frm.statusPanel[0], "X = 1");
  EXPECT_EQ(a->frm.statusPanel[1], "Y = 1");
  picMap_MouseMove(*a, 0, 0, 4095, 2047);
  EXPECT_EQ(a->frm.statusPanel[0], "X = 256");
  EXPECT_EQ(a->frm.statusPanel[1], "Y = 128");
  picMap_MouseMove(*a, 0, 0, 16 * 17, 16 * 4 - 1);
  EXPECT_EQ(a->frm.statusPanel[0], "X = 18");
  EXPECT_EQ(a->frm.statusPanel[1], "Y = 4");
}

TEST(MapStatusBar, OutsideTheMapWithAButtonHeldTheNearestCellIsShown) {
  auto a = MakeApp(40, 25);
  picMap_MouseMove(*a, 2, 0, -35, -2);
  EXPECT_EQ(a->frm.statusPanel[0], "X = 1");
  EXPECT_EQ(a->frm.statusPanel[1], "Y = 1");
  EXPECT_EQ(a->st.LastMapX, -35);  // the raw position is kept
  picMap_MouseMove(*a, 1, 0, 900, 1000);
  EXPECT_EQ(a->frm.statusPanel[0], "X = 40");
  EXPECT_EQ(a->frm.statusPanel[1], "Y = 25");
}

// ---- Undo

TEST(MapUndo, TwelveUndosAfterFourteenPressesRestoreTheMapAfterTheSecond) {
  auto a = MakeApp();
  ClickTile(*a, 1, 2);
  CellArray afterSecond{};
  for (int k = 0; k < 14; ++k) {
    ClickMap(*a, k, 3);
    if (k == 1) afterSecond = a->st.Datamap;
  }
  EXPECT_EQ(a->st.UndoLevel, 12);
  for (int k = 0; k < 12; ++k) mnuUndo_Click(*a);
  EXPECT_EQ(a->st.UndoLevel, 0);
  EXPECT_EQ(a->st.DatamapAt(0, 3), 65);
  EXPECT_EQ(a->st.DatamapAt(1, 3), 65);
  EXPECT_EQ(a->st.DatamapAt(2, 3), 0);
  EXPECT_TRUE(a->st.Datamap == afterSecond);
  // The view was redrawn from the restored map.
  EXPECT_TRUE(ShowsTile(a->frm.picMap, 16, 48, 65));
  EXPECT_TRUE(ShowsTile(a->frm.picMap, 32, 48, 0));

  mnuUndo_Click(*a);
  EXPECT_EQ(a->st.UndoLevel, 0);
  EXPECT_TRUE(a->st.Datamap == afterSecond);
}

TEST(MapUndo, UndoPutsBackTheWholeBlockOfAStroke) {
  auto a = MakeApp();
  DragTiles(*a, 4, 1, 6, 2);
  picMap_MouseDown(*a, 1, 0, Mid(3), Mid(3));
  picMap_MouseMove(*a, 1, 0, Mid(9), Mid(3));
  mnuUndo_Click(*a);
  for (int c = 0; c < 12; ++c) EXPECT_EQ(a->st.DatamapAt(c, 3), 0) << c;
  EXPECT_EQ(a->st.UndoLevel, 0);
}

TEST(MapUndo, UndoWithNothingStoredChangesNothing) {
  auto a = MakeApp();
  a->st.DatamapAt(4, 4) = 9;
  mnuUndo_Click(*a);
  EXPECT_EQ(a->st.DatamapAt(4, 4), 9);
  EXPECT_EQ(a->st.UndoLevel, 0);
}

TEST(MapUndo, TheThirteenthSnapshotPushesTheOldestIntoSlotZero) {
  auto a = MakeApp();
  for (int k = 0; k < 13; ++k) {
    a->st.DatamapAt(0, 0) = uint8_t(100 + k);
    PushUndo(*a);
  }
  EXPECT_EQ(a->st.UndoLevel, 12);
  EXPECT_EQ(a->st.UndoSlot(0)[0], 100);
  EXPECT_EQ(a->st.UndoSlot(1)[0], 101);
  EXPECT_EQ(a->st.UndoSlot(12)[0], 112);
}

// ---- Datatype mode

namespace {
void EnterDatatypeMode(App& a, int selected) {
  a.st.DatatypeMode = true;
  a.frm.lstDatatypes.items = {"00 = Nothing", "01 = Wall", "02 = Ladder", "2A = Spikes"};
  a.frm.lstDatatypes.listIndex = selected;
}
}  // namespace

TEST(MapDatatypes, LeftButtonPaintsTheSelectedDatatypeOnEveryCellItPasses) {
  auto a = MakeApp();
  ClickTile(*a, 1, 2);
  EnterDatatypeMode(*a, 3);
  picMap_MouseMove(*a, 0, 0, Mid(3), Mid(2));
  picMap_MouseDown(*a, 1, 0, Mid(3), Mid(2));
  picMap_MouseMove(*a, 1, 0, Mid(4), Mid(2));
  picMap_MouseUp(*a, 1, 0, Mid(4), Mid(2));
  EXPECT_EQ(a->st.DatatypeAt(3, 2), 0x2A);
  EXPECT_EQ(a->st.DatatypeAt(4, 2), 0x2A);
  EXPECT_EQ(a->st.DatatypeAt(5, 2), 0);
  EXPECT_EQ(a->st.DatamapAt(3, 2), 0);  // the tiles stay
  EXPECT_EQ(a->st.UndoLevel, 0);

  mnuUndo_Click(*a);
  EXPECT_EQ(a->st.DatatypeAt(3, 2), 0x2A);
}

TEST(MapDatatypes, RightButtonNeitherSelectsNorCopies) {
  auto a = MakeApp();
  EnterDatatypeMode(*a, 1);
  a->frm.statusPanel[0] = "untouched";
  picMap_MouseMove(*a, 0, 0, Mid(3), Mid(2));
  picMap_MouseDown(*a, 2, 0, Mid(3), Mid(2));
  EXPECT_FALSE(a->st.Selecting);
  a->frm.statusPanel[0] = "untouched";
  picMap_MouseMove(*a, 2, 0, Mid(6), Mid(5));
  EXPECT_EQ(a->frm.statusPanel[0], "untouched");
  picMap_MouseUp(*a, 2, 0, Mid(6), Mid(5));
  EXPECT_FALSE(a->st.MapBufferValid);
  EXPECT_EQ(a->frm.shpMapCursor.width, 16);
  EXPECT_EQ(a->st.DatatypeAt(3, 2), 0);
}

// ---- Hover previews

TEST(MapHover, WithCtrlTheBufferPreviewFollowsAndAClickOnItPastesUnderTheMouse) {
  auto a = MakeApp();
  FillMapWithPattern(*a);
  a->st.HoverPreview = true;
  CopyMapBlock(*a, 7, 5, 8, 6);
  EXPECT_EQ(a->frm.picMapBufferHover.width(), 32);
  EXPECT_TRUE(ShowsTile(a->frm.picMapBufferHover, 16, 16, 50));

  picMap_MouseMove(*a, 0, 2, Mid(20), Mid(30));
  EXPECT_TRUE(a->frm.picMapBufferHover.visible);
  EXPECT_FALSE(a->frm.picTileSelectedHover.visible);
  EXPECT_EQ(a->frm.picMapBufferHover.left, 320);
  EXPECT_EQ(a->frm.picMapBufferHover.top, 480);

  picMapBufferHover_MouseDown(*a, 1, 2, 3, 3);
  EXPECT_FALSE(a->frm.picMapBufferHover.enabled);
  EXPECT_EQ(a->st.DatamapAt(20, 30), 42);
  EXPECT_EQ(a->st.DatamapAt(21, 31), 50);
  picMap_MouseUp(*a, 1, 2, Mid(20), Mid(30));
  EXPECT_TRUE(a->frm.picTileSelectedHover.visible);
  picMapBufferHover_MouseUp(*a, 1, 2, 3, 3);
  EXPECT_TRUE(a->frm.picMapBufferHover.enabled);

  picMap_MouseMove(*a, 0, 0, Mid(21), Mid(30));
  EXPECT_FALSE(a->frm.picMapBufferHover.visible);
  EXPECT_TRUE(a->frm.picTileSelectedHover.visible);
  EXPECT_EQ(a->frm.picTileSelectedHover.left, 336);
}

TEST(MapHover, AClickOnTheBrushPreviewPaintsAtTheLastMapPosition) {
  auto a = MakeApp();
  a->st.HoverPreview = true;
  ClickTile(*a, 1, 2);
  picMap_MouseMove(*a, 0, 0, Mid(6), Mid(7));
  picTileSelectedHover_MouseDown(*a, 1, 0, 2, 2);
  EXPECT_EQ(a->st.DatamapAt(6, 7), 65);
  EXPECT_FALSE(a->frm.picTileSelectedHover.enabled);
  picTileSelectedHover_MouseUp(*a, 1, 0, 2, 2);
  EXPECT_TRUE(a->frm.picTileSelectedHover.enabled);
}

TEST(MapHover, DraggingASelectionHidesBothPreviews) {
  auto a = MakeApp();
  a->st.HoverPreview = true;
  picMap_MouseMove(*a, 0, 0, Mid(6), Mid(7));
  picMap_MouseDown(*a, 2, 0, Mid(6), Mid(7));
  picMap_MouseMove(*a, 2, 0, Mid(8), Mid(7));
  EXPECT_FALSE(a->frm.picTileSelectedHover.visible);
  EXPECT_FALSE(a->frm.picMapBufferHover.visible);
}
