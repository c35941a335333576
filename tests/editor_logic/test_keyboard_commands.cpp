#include "editor/logic/KeyboardCommands.h"
#include "editor/logic/TileEditor.h"
#include "editor/logic/Zoom.h"
#include "render/TilesetRender.h"
#include "test_map_editing_helpers.h"

namespace {

constexpr int kShift = 1, kCtrl = 2, kAlt = 4;
constexpr int kEsc = 27, kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kBackspace = 8;

class Keyboard : public MapTest {
 protected:
  void type(const char* letters) {
    for (const char* c = letters; *c; ++c) Form_KeyUp(a, *c, 0);
  }
  void press(int key, int times = 1) {
    for (int i = 0; i < times; ++i) Form_KeyUp(a, key, 0);
  }
  QPoint cursor() const { return {a.frm.shpMapCursor.left, a.frm.shpMapCursor.top}; }
  std::vector<bool> editingMenus() {
    std::vector<bool> v;
    for (const char* m : {"mnuFile", "mnuEdit", "mnuOptions", "mnuIdentify", "mnuSettings"})
      v.push_back(a.frm.menu(m).enabled);
    v.push_back(a.frm.picMap.enabled);
    return v;
  }
};

}  // namespace

TEST_F(Keyboard, TypingHelloStoresItsScreenCodesAndMakesTheLastTileTheBrush) {
  type("HELLO");
  for (int c = 0; c < 5; ++c) EXPECT_EQ(a.st.DatamapAt(c, 0), "\x08\x05\x0C\x0C\x0F"[c]) << c;
  EXPECT_TRUE(showsTile(a.frm.picMap, 64, 0, 15));
  EXPECT_EQ(cursor(), QPoint(80, 0));
  EXPECT_EQ(a.st.UndoLevel, 5);
  EXPECT_EQ(TileUnder(a.frm.shpTileSelected), 15);
  EXPECT_TRUE(showsTile(a.frm.picTileSelected, 0, 0, 15));
  EXPECT_EQ(a.st.TilePixels[9], SheetColor(15, 2, 2));  // the tile editor shows it too
}

TEST_F(Keyboard, KeysTypeTheirTileByTheWholeModifierMask) {
  struct Case {
    int key, shift, tile;  // tile -1: nothing typed
  };
  const Case cases[] = {
      {'2', kShift, 0},  {186, kShift, 58}, {'6', kShift, 54}, {'1', kCtrl + kShift, 49},
      {'G', kCtrl, 7},   {'S', kCtrl, -1},  {'A', kAlt, 1},    {'Z', kShift, 26},
      {'0', kShift, 41}, {'0', kCtrl, 48},  {186, 0, 59},      {222, kShift, 34},
      {191, kShift, 63}, {189, kShift, 45}, {45, 0, 28},       {46, kShift, 30},
      {192, 0, 31},      {32, kCtrl, 32},   {106, 0, 42},      {111, kShift, 47},
      {220, 0, -1},      {96, 0, -1},       {kEsc, 0, -1},     {13, 0, -1},
      {112, 0, -1},      {0, 0, -1},
  };
  for (const Case& c : cases) {
    a.st.DatamapAt(0, 0) = 255;
    a.frm.shpMapCursor.left = 0;
    a.st.UndoLevel = 0;
    Form_KeyUp(a, c.key, c.shift);
    EXPECT_EQ(a.st.DatamapAt(0, 0), c.tile < 0 ? 255 : c.tile) << c.key << " mask " << c.shift;
    EXPECT_EQ(a.st.UndoLevel, c.tile < 0 ? 0 : 1) << c.key << " mask " << c.shift;
  }
}

TEST_F(Keyboard, TheCursorStaysOnTheMapInUseAndTypingNeverWraps) {
  a.st.MapWidth = 40;
  a.st.MapHeight = 25;
  a.frm.picMap.resize(640, 400);
  press(kLeft);
  press(kUp);
  EXPECT_EQ(cursor(), QPoint(0, 0));
  press(kRight, 50);
  press(kDown, 30);
  EXPECT_EQ(cursor(), QPoint(624, 384));
  type("AB");
  EXPECT_EQ(a.st.DatamapAt(39, 24), 2);  // B overwrote A in the last cell
  EXPECT_EQ(a.st.DatamapAt(0, 25), 0);
  EXPECT_EQ(cursor(), QPoint(624, 384));
  press(kBackspace);
  EXPECT_EQ(cursor(), QPoint(608, 384));
  EXPECT_EQ(a.st.DatamapAt(39, 24), 2);  // Backspace erases nothing
  EXPECT_EQ(a.st.UndoLevel, 2);
}

TEST_F(Keyboard, InDatatypeModeNoKeyActs) {
  Form_KeyUp(a, 'X', kCtrl);
  a.st.DatatypeMode = true;
  for (int key : {int('A'), kRight, kDown, kEsc}) Form_KeyUp(a, key, 0);
  Form_KeyUp(a, 'H', kCtrl);
  EXPECT_EQ(cursor(), QPoint(0, 0));
  EXPECT_EQ(a.st.RandomFillStep, 1);
  EXPECT_FALSE(a.st.HoverPreview);
  EXPECT_EQ(a.st.UndoLevel, 0);
}

TEST_F(Keyboard, EscCancelsARandomFillAndNoOtherKeyActsMeanwhile) {
  picMap_MouseMove(a, 0, 0, Mid(4), Mid(4));
  Form_KeyUp(a, 'X', kCtrl);
  EXPECT_TRUE(a.frm.picRandFillVisible);
  EXPECT_EQ(editingMenus(), (std::vector<bool>{false, false, false, true, true, false}));
  type("A");
  Form_KeyUp(a, 'F', kCtrl);
  Form_KeyUp(a, kEsc, 0);
  EXPECT_EQ(a.st.RandomFillStep, 0);
  EXPECT_FALSE(a.frm.picRandFillVisible);
  EXPECT_EQ(editingMenus(), (std::vector<bool>{true, true, true, true, true, true}));
  EXPECT_EQ(a.st.UndoLevel, 0);
  EXPECT_EQ(a.st.DatamapAt(0, 0), 0);
}

TEST_F(Keyboard, ThreePicksRunTheFillFromWhereCtrlXWasPressed) {
  click(kSheet, 3, 1);       // tile 35 in the editor
  a.st.DatamapAt(0, 0) = 1;  // the last scan stops there
  picMap_MouseMove(a, 0, 0, Mid(20), Mid(9));
  Form_KeyUp(a, 'X', kCtrl);
  for (int t : {7, 8, 9}) click(kSheet, t, 0);
  int picked = 0;
  for (uint8_t t : a.st.Datamap) picked += t >= 7 && t <= 9;
  EXPECT_EQ(picked, kMapCells - 1);
  EXPECT_EQ(a.st.DatamapAt(0, 0), 1);
  EXPECT_EQ(a.st.UndoLevel, 1);
  EXPECT_FALSE(a.frm.picRandFillVisible);
  EXPECT_EQ(editingMenus(), (std::vector<bool>{true, true, true, true, true, true}));
  EXPECT_EQ(TileUnder(a.frm.shpTileSelected), 9);
  EXPECT_EQ(a.st.TilePixels[9], SheetColor(35, 2, 2));  // the picks leave the editor alone
  Form_KeyUp(a, 'X', kCtrl);
  EXPECT_TRUE(a.frm.picRandFillEnabled);  // a disabled prompt would show its text greyed
}

TEST_F(Keyboard, ARandomFillWhileZoomedLeavesTheZoomsMenusDisabled) {
  mnuZoom50_Click(a);
  const std::vector<bool> zoomed = editingMenus();
  Form_KeyUp(a, 'X', kCtrl);
  Form_KeyUp(a, kEsc, 0);
  EXPECT_EQ(editingMenus(), zoomed);
  Form_KeyUp(a, 'X', kCtrl);
  for (int t : {7, 8, 9}) click(kSheet, t, 0);
  EXPECT_EQ(editingMenus(), zoomed);
  EXPECT_EQ(a.st.UndoLevel, 1);
}

TEST_F(Keyboard, CtrlXDoesNothingInIdentifyMode) {
  a.st.IdentifyMode = true;
  Form_KeyUp(a, 'X', kCtrl);
  EXPECT_EQ(a.st.RandomFillStep, 0);
  EXPECT_FALSE(a.frm.picRandFillVisible);
  EXPECT_TRUE(a.frm.picMap.enabled);
}

TEST_F(Keyboard, CtrlFFillsFromTheMouseCellWithTheSelectedBlocksFirstTile) {
  a.st.DatamapAt(30, 0) = 5;                        // a stop in row 0
  drag(kSheet, 2, 1, 4, 2);                         // tiles 34..36 / 66..68
  picTileView_MouseMove(a, 0, 0, Mid(29), Mid(0));  // the sheet sets the mouse cell too
  Form_KeyUp(a, 'F', kCtrl);
  EXPECT_EQ(a.st.DatamapAt(29, 0), 34);
  EXPECT_EQ(a.st.DatamapAt(31, 0), 0);
  EXPECT_EQ(a.st.DatamapAt(255, 127), 34);
  EXPECT_TRUE(showsTile(a.frm.picMap, 16 * 100, 16 * 100, 34));
  EXPECT_EQ(a.frm.shpTileSelected.width, 16);
  EXPECT_EQ(a.st.UndoLevel, 1);
}

TEST_F(Keyboard, CtrlVPastesAtTheMouseCellCutAtTheLastColumnAndRow) {
  Form_KeyUp(a, 'V', kCtrl);  // nothing copied yet
  EXPECT_EQ(a.st.UndoLevel, 0);
  fillWithPattern();
  drag(kMap, 10, 5, 12, 6);  // tiles 45 46 47 / 52 53 54
  picMap_MouseMove(a, 0, 2, Mid(254), Mid(126));
  Form_KeyUp(a, 'V', kCtrl);
  EXPECT_EQ(a.st.DatamapAt(254, 126), 45);
  EXPECT_EQ(a.st.DatamapAt(255, 127), 53);
  EXPECT_EQ(a.st.DatamapAt(0, 127), (7 * 127) % 256);  // nothing spilled into the next row
  EXPECT_TRUE(showsTile(a.frm.picMap, 16 * 255, 16 * 127, 53));
  EXPECT_EQ(a.st.UndoLevel, 1);
}

TEST_F(Keyboard, CtrlHShowsTheBrushPreviewAndTypingKeepsItCurrent) {
  click(kSheet, 4, 0);
  Form_KeyUp(a, 'H', kCtrl);
  const Picture& hover = a.frm.picTileSelectedHover;
  EXPECT_TRUE(hover.visible && hover.enabled);
  EXPECT_FALSE(a.frm.picMapBufferHover.visible);
  EXPECT_TRUE(showsTile(hover, 0, 0, 4));
  type("Q");
  EXPECT_TRUE(showsTile(hover, 0, 0, 17));
  Form_KeyUp(a, 'H', kCtrl);
  EXPECT_FALSE(hover.visible || hover.enabled || a.st.HoverPreview);
}

TEST_F(Keyboard, AnEditAfterTypingChangesTheTypedTileOnly) {
  click(kSheet, 3, 0);
  cmdClear_Click(a);  // Tile Undo now holds tile 3
  type("A");
  EXPECT_FALSE(a.frm.cmdUndoEnabled);
  EXPECT_TRUE(a.frm.cmdClearEnabled);
  a.frm.picTileBits[0] = SheetColor(200, 0, 0);
  CommitTileEdit(a);
  EXPECT_EQ(a.frm.picTileView.pixel(16, 0), SheetColor(200, 0, 0));
  EXPECT_EQ(a.frm.picTileView.pixel(16 + 15, 15), SheetColor(1, 14, 14));
}
