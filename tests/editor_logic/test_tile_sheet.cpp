#include <gtest/gtest.h>

#include "editor/logic/MainWindowLogic.h"
#include "test_map_editing_fixture.h"

using namespace mapedit_test;

namespace {

void ExpectBrush(App& a, int left, int top, int cols, int rows) {
  const Shape& sel = a.frm.shpTileSelected;
  EXPECT_EQ(sel.left, left);
  EXPECT_EQ(sel.top, top);
  EXPECT_EQ(sel.width, 16 * cols);
  EXPECT_EQ(sel.height, 16 * rows);
  EXPECT_TRUE(sel.visible);
  EXPECT_EQ(a.st.TileBrushMaxX, cols - 1);
  EXPECT_EQ(a.st.TileBrushMaxY, rows - 1);
  EXPECT_EQ(a.frm.picTileSelected.width(), 16 * cols);
  EXPECT_EQ(a.frm.picTileSelected.height(), 16 * rows);
  EXPECT_EQ(a.frm.shpMapCursor.width, 16 * cols);
  EXPECT_EQ(a.frm.shpMapCursor.height, 16 * rows);
  EXPECT_EQ(a.frm.shpTileCursor.width, 16);
  EXPECT_EQ(a.frm.shpTileCursor.height, 16);
  EXPECT_EQ(a.frm.shpTileCursor.borderColor, 255);
}

// The edit grid holds the 1:1 image of the given tile.
bool EditorShows(App& a, int tile) {
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      if (a.st.TilePixels[size_t(x + 8 * y)] != HalfTileColor(tile, x, y)) return false;
  return true;
}

}  // namespace

// ---- Choosing a single tile

TEST(TileSheetSelection, ALeftClickSelectsTheTileUnderTheMouse) {
  auto a = MakeApp();
  a->frm.picTileSelectedDataUndo.setPixel(3, 3, 0x123456);
  ClickTile(*a, 9, 2);
  ExpectBrush(*a, 144, 32, 1, 1);
  EXPECT_EQ(a->st.TileBrushAt(0, 0), 73);
  EXPECT_TRUE(ShowsTile(a->frm.picTileSelected, 0, 0, 73));
  EXPECT_EQ(a->frm.picTileSelectedData.pixel(0, 0), HalfTileColor(73, 0, 0));
  EXPECT_EQ(a->frm.picTileSelectedData.pixel(7, 5), HalfTileColor(73, 7, 5));
  EXPECT_TRUE(EditorShows(*a, 73));
  EXPECT_EQ(a->frm.picTileSelectedDataUndo.pixel(3, 3), a->frm.picTileSelectedDataUndo.backColor());
}

TEST(TileSheetSelection, RightMiddleShiftAndAltClicksSelectLikeALeftClick) {
  struct Case { int button, shift, col, row, tile; };
  for (Case c : {Case{2, 0, 3, 0, 3}, Case{4, 0, 31, 7, 255}, Case{1, 1, 0, 1, 32},
                 Case{1, 4, 5, 5, 165}, Case{2, 2, 6, 6, 198}}) {
    auto a = MakeApp();
    ClickTile(*a, c.col, c.row, c.button, c.shift);
    SCOPED_TRACE(c.tile);
    ExpectBrush(*a, 16 * c.col, 16 * c.row, 1, 1);
    EXPECT_EQ(a->st.TileBrushAt(0, 0), c.tile);
    EXPECT_TRUE(EditorShows(*a, c.tile));
  }
}

TEST(TileSheetSelection, ACtrlRightPressStartsNoDrag) {
  auto a = MakeApp();
  picTileView_MouseMove(*a, 0, 2, Mid(2), Mid(1));
  picTileView_MouseDown(*a, 2, 2, Mid(2), Mid(1));
  EXPECT_FALSE(a->st.Selecting);
  picTileView_MouseMove(*a, 2, 0, Mid(5), Mid(3));
  picTileView_MouseUp(*a, 2, 2, Mid(5), Mid(3));
  ExpectBrush(*a, 80, 48, 1, 1);
  EXPECT_EQ(a->st.TileBrushAt(0, 0), 101);
}

// ---- Choosing a block by dragging

TEST(TileSheetSelection, AReverseDragGivesTheSameBlockAsAForwardOne) {
  for (bool reverse : {false, true}) {
    auto a = MakeApp();
    if (reverse)
      DragTiles(*a, 5, 1, 2, 3);
    else
      DragTiles(*a, 2, 1, 5, 3);
    SCOPED_TRACE(reverse);
    ExpectBrush(*a, 32, 16, 4, 3);
    EXPECT_EQ(a->st.TileBrushAt(0, 0), 34);
    EXPECT_EQ(a->st.TileBrushAt(3, 0), 37);
    EXPECT_EQ(a->st.TileBrushAt(0, 2), 98);
    EXPECT_EQ(a->st.TileBrushAt(3, 2), 101);
    EXPECT_TRUE(ShowsTile(a->frm.picTileSelected, 0, 0, 34));
    EXPECT_TRUE(ShowsTile(a->frm.picTileSelected, 48, 32, 101));
    EXPECT_TRUE(EditorShows(*a, 34));
    EXPECT_FALSE(a->st.Selecting);
  }
}

TEST(TileSheetSelection, TheDragFrameSpansAnchorAndMouseInTheSelectionColour) {
  auto a = MakeApp();
  picTileView_MouseMove(*a, 0, 0, Mid(5), Mid(1));
  picTileView_MouseDown(*a, 2, 0, Mid(5), Mid(1));
  picTileView_MouseMove(*a, 2, 0, Mid(2), Mid(3));
  const Shape& cur = a->frm.shpTileCursor;
  EXPECT_EQ(cur.left, 32);
  EXPECT_EQ(cur.top, 16);
  EXPECT_EQ(cur.width, 64);
  EXPECT_EQ(cur.height, 48);
  EXPECT_EQ(cur.borderColor, 0x00FFFF);
}

TEST(TileSheetSelection, DraggingOverTheWholeSheetTakesEveryTile) {
  auto a = MakeApp();
  DragTiles(*a, 0, 0, 31, 7);
  ExpectBrush(*a, 0, 0, 32, 8);
  for (int r = 0; r < 8; ++r)
    for (int c = 0; c < 32; ++c) EXPECT_EQ(a->st.TileBrushAt(c, r), 32 * r + c);
}

TEST(TileSheetSelection, DraggingPastTheSheetsEdgeStopsAtTheLastColumnAndRow) {
  auto a = MakeApp();
  picTileView_MouseMove(*a, 0, 0, Mid(29), Mid(5));
  picTileView_MouseDown(*a, 2, 0, Mid(29), Mid(5));
  picTileView_MouseMove(*a, 2, 0, 900, 400);
  picTileView_MouseUp(*a, 2, 0, 900, 400);
  ExpectBrush(*a, 464, 80, 3, 3);
  EXPECT_EQ(a->st.TileBrushAt(2, 2), 255);
}

TEST(TileSheetSelection, AFrameThatStoppedGrowingIsCutToTheSheet) {
  auto a = MakeApp();
  picTileView_MouseMove(*a, 0, 0, Mid(0), Mid(0));
  picTileView_MouseDown(*a, 2, 0, Mid(0), Mid(0));
  picTileView_MouseMove(*a, 2, 0, Mid(3), Mid(2));
  // Shift ends the drag; the 4 x 3 frame then follows the mouse to the corner.
  picTileView_MouseMove(*a, 2, 1, Mid(3), Mid(2));
  picTileView_MouseMove(*a, 2, 1, Mid(30), Mid(6));
  EXPECT_EQ(a->frm.shpTileCursor.width, 64);
  picTileView_MouseUp(*a, 2, 1, Mid(30), Mid(6));
  ExpectBrush(*a, 480, 96, 2, 2);
  EXPECT_EQ(a->st.TileBrushAt(0, 0), 222);
  EXPECT_EQ(a->st.TileBrushAt(1, 0), 223);
  EXPECT_EQ(a->st.TileBrushAt(0, 1), 254);
  EXPECT_EQ(a->st.TileBrushAt(1, 1), 255);
}

TEST(TileSheetSelection, AnAnchorLeftByAMapDragCannotYieldTilesPast255) {
  auto a = MakeApp();
  // A right drag on the map released with Ctrl leaves the drag running with a
  // map position as its anchor.
  picMap_MouseMove(*a, 0, 0, 1000, 600);
  picMap_MouseDown(*a, 2, 0, 1000, 600);
  picMap_MouseUp(*a, 2, 2, 1000, 600);
  ASSERT_TRUE(a->st.Selecting);

  picTileView_MouseMove(*a, 0, 0, Mid(2), Mid(2));
  picTileView_MouseUp(*a, 2, 0, Mid(2), Mid(2));
  ExpectBrush(*a, 32, 32, 30, 6);
  ASSERT_EQ(a->st.TileBrush.size(), 180u);
  EXPECT_EQ(a->st.TileBrushAt(0, 0), 66);
  EXPECT_EQ(a->st.TileBrushAt(29, 5), 255);
}

// ---- Stamping the brush onto the sheet

TEST(TileSheetStamp, CtrlLeftStampsTheVisiblePartOfTheBrushAndRedrawsTheMap) {
  auto a = MakeApp();
  a->st.DatamapAt(3, 3) = 254;
  a->st.DatamapAt(4, 3) = 224;
  RedrawMap(*a);
  DragTiles(*a, 0, 0, 2, 1);  // 0 1 2 / 32 33 34
  ClickTile(*a, 30, 6, 1, 2);

  // Sheet cells (30..31, 6..7) take brush tiles 0, 1 / 32, 33; the rest is cut off.
  EXPECT_TRUE(ShowsTile(a->frm.picTileView, 480, 96, 0));
  EXPECT_TRUE(ShowsTile(a->frm.picTileView, 496, 96, 1));
  EXPECT_TRUE(ShowsTile(a->frm.picTileView, 480, 112, 32));
  EXPECT_TRUE(ShowsTile(a->frm.picTileView, 496, 112, 33));
  EXPECT_TRUE(ShowsTile(a->frm.picTileView, 0, 112, 224));  // nothing wrapped
  EXPECT_TRUE(ShowsTile(a->frm.picTileView, 464, 96, 221));
  // The map shows tile 254 with its new image.
  EXPECT_TRUE(ShowsTile(a->frm.picMap, 48, 48, 32));
  EXPECT_TRUE(ShowsTile(a->frm.picMap, 64, 48, 224));
  // Brush, selection and datamap stay as they were.
  ExpectBrush(*a, 0, 0, 3, 2);
  EXPECT_EQ(a->st.TileBrushAt(2, 1), 34);
  EXPECT_EQ(a->st.DatamapAt(3, 3), 254);
  EXPECT_EQ(a->st.UndoLevel, 0);
}

// ---- Random-fill picks

TEST(TileSheetRandomFill, ARightDragDuringAPickTakesOnlyTheCellUnderTheMouse) {
  auto a = MakeApp();
  a->st.RandomFillStep = 1;
  a->frm.picMap.enabled = false;
  a->frm.picRandFillVisible = true;
  picTileView_MouseMove(*a, 0, 0, Mid(8), Mid(0));
  picTileView_MouseDown(*a, 2, 0, Mid(8), Mid(0));
  EXPECT_FALSE(a->st.Selecting);
  picTileView_MouseMove(*a, 2, 0, Mid(10), Mid(1));
  picTileView_MouseUp(*a, 2, 0, Mid(10), Mid(1));
  ExpectBrush(*a, 160, 16, 1, 1);
  EXPECT_EQ(a->st.RandomFillTile[1], 42);
  EXPECT_TRUE(ShowsTile(a->frm.picFill1, 0, 0, 42));
  EXPECT_EQ(a->st.RandomFillStep, 2);
  // The prompt still waits for two more tiles.
  EXPECT_FALSE(a->frm.picMap.enabled);
  EXPECT_TRUE(a->frm.picRandFillVisible);
}

TEST(TileSheetRandomFill, PicksOfTilesSevenEightNineShowInTheirBoxes) {
  auto a = MakeApp();
  ClickTile(*a, 9, 2);
  a->st.RandomFillStep = 1;
  a->frm.picMap.enabled = false;
  a->frm.picRandFillVisible = true;
  SetMenuState(*a, 0);
  for (int t : {7, 8, 9}) ClickTile(*a, t, 0);
  EXPECT_TRUE(ShowsTile(a->frm.picFill1, 0, 0, 7));
  EXPECT_TRUE(ShowsTile(a->frm.picFill2, 0, 0, 8));
  EXPECT_TRUE(ShowsTile(a->frm.picFill3, 0, 0, 9));
  EXPECT_EQ(a->st.RandomFillTile[1], 7);
  EXPECT_EQ(a->st.RandomFillTile[2], 8);
  EXPECT_EQ(a->st.RandomFillTile[3], 9);
  EXPECT_EQ(a->st.RandomFillStep, 0);
  EXPECT_FALSE(a->frm.picRandFillVisible);
  EXPECT_TRUE(a->frm.picMap.enabled);
  EXPECT_TRUE(a->frm.menu("mnuEdit").enabled);
  EXPECT_EQ(a->st.TileBrushAt(0, 0), 9);
  EXPECT_EQ(a->frm.shpTileSelected.left, 144);
  EXPECT_TRUE(EditorShows(*a, 73));
}

// ---- Datatype mode and the reset

TEST(TileSheetSelection, InDatatypeModeTheFrameFollowsButClicksChangeNothing) {
  auto a = MakeApp();
  ClickTile(*a, 9, 2);
  a->st.DatatypeMode = true;
  picTileView_MouseMove(*a, 0, 0, Mid(4), Mid(4));
  EXPECT_EQ(a->frm.shpTileCursor.left, 64);
  EXPECT_EQ(a->frm.shpTileCursor.top, 64);
  picTileView_MouseDown(*a, 2, 0, Mid(4), Mid(4));
  EXPECT_FALSE(a->st.Selecting);
  picTileView_MouseUp(*a, 2, 0, Mid(4), Mid(4));
  picTileView_MouseDown(*a, 1, 2, Mid(4), Mid(4));
  picTileView_MouseUp(*a, 1, 2, Mid(4), Mid(4));
  ExpectBrush(*a, 144, 32, 1, 1);
  EXPECT_EQ(a->st.TileBrushAt(0, 0), 73);
  EXPECT_TRUE(ShowsTile(a->frm.picTileView, 64, 64, 132));  // no stamp
}

TEST(TileSheetSelection, ResetMakesTileZeroTheBrush) {
  auto a = MakeApp();
  DragTiles(*a, 2, 1, 5, 3);
  a->st.Selecting = true;
  ResetTileSelection(*a);
  EXPECT_FALSE(a->st.Selecting);
  EXPECT_EQ(a->st.SelAnchorX, 0);
  EXPECT_EQ(a->st.SelAnchorY, 0);
  EXPECT_EQ(a->frm.shpTileSelected.left, 0);
  EXPECT_EQ(a->frm.shpTileSelected.top, 0);
  EXPECT_EQ(a->frm.shpTileSelected.width, 16);
  EXPECT_EQ(a->frm.shpTileSelected.height, 16);
  EXPECT_EQ(a->st.TileBrushMaxX, 0);
  EXPECT_EQ(a->st.TileBrushMaxY, 0);
  ASSERT_EQ(a->st.TileBrush.size(), 1u);
  EXPECT_EQ(a->st.TileBrush[0], 0);
  EXPECT_EQ(a->frm.picTileSelected.width(), 16);
  EXPECT_TRUE(ShowsTile(a->frm.picTileSelected, 0, 0, 0));
  EXPECT_TRUE(EditorShows(*a, 0));
  // The map cursor keeps the old brush size until the next move over the map.
  EXPECT_EQ(a->frm.shpMapCursor.width, 64);
  picMap_MouseMove(*a, 0, 0, 5, 5);
  EXPECT_EQ(a->frm.shpMapCursor.width, 16);
}

TEST(TileSheetSelection, WithHoverPreviewOnTheBrushPreviewTakesTheNewBlock) {
  auto a = MakeApp();
  a->st.HoverPreview = true;
  DragTiles(*a, 2, 1, 5, 3);
  EXPECT_EQ(a->frm.picTileSelectedHover.width(), 64);
  EXPECT_EQ(a->frm.picTileSelectedHover.height(), 48);
  EXPECT_TRUE(ShowsTile(a->frm.picTileSelectedHover, 48, 32, 101));
}
