#include <functional>

#include "editor/logic/KeyboardCommands.h"
#include "editor/logic/TileEditor.h"
#include "editor/logic/Zoom.h"
#include "logic_fixture.h"

// The map by mouse and keys where the window tests do not reach: the edges of
// the arrays, the key table, the random fill, and what a new selection withdraws.

using MapEditing = MapTest;

// Past column 255 or row 127 nothing wraps into the next row or lands behind the arrays.
TEST_F(MapEditing, PastesKeepTheirShapeAndBlocksAreCutAtTheLastColumnAndRow) {
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
  drag(kMap, 7, 5, 9, 6);                    // 42 43 44 / 49 50 51
  click(kMap, 20, 10, 1, 2);                 // lands whole, in its shape, and nowhere else
  EXPECT_EQ(std::pair(a.frm.shpMapCursor.width, a.frm.shpMapCursor.height), std::pair(48, 32));
  Bytes around;                              // columns 19 to 23 of rows 10 to 12
  for (int r = 10; r <= 12; ++r)
    for (int c = 19; c <= 23; ++c) around.push_back(a.st.DatamapAt(c, r));
  EXPECT_EQ(around, (Bytes{89, 42, 43, 44, 93, 96, 49, 50, 51, 100, 103, 104, 105, 106, 107}));
  EXPECT_TRUE(showsTile(a.frm.picMap, 16 * 22, 16 * 11, 51) &&
              showsTile(a.frm.picMap, 16 * 23, 16 * 10, 93));
  click(kMap, 254, 126, 1, 2);
  EXPECT_EQ(a.st.DatamapAt(255, 127), 50);
  EXPECT_EQ(a.st.DatamapAt(0, 127), wrapTarget);
}

TEST_F(MapEditing, TheSheetCutsFramesAndStampsAtItsEdges) {
  // Shift ends a drag; the 4 x 3 frame then follows the mouse to the corner.
  picTileView_MouseMove(a, 0, 0, Mid(0), Mid(0));
  picTileView_MouseDown(a, 2, 0, Mid(0), Mid(0));
  picTileView_MouseMove(a, 2, 0, Mid(3), Mid(2));
  picTileView_MouseMove(a, 2, 1, Mid(3), Mid(2));
  picTileView_MouseMove(a, 2, 1, Mid(30), Mid(6));
  picTileView_MouseUp(a, 2, 1, Mid(30), Mid(6));
  EXPECT_EQ(a.st.TileBrush, (std::vector<uint8_t>{222, 223, 254, 255}));

  drag(kSheet, 0, 0, 2, 1);    // 0 1 2 / 32 33 34
  click(kSheet, 30, 6, 1, 2);  // Ctrl+left stamps
  EXPECT_TRUE(showsTile(a.frm.picTileView, 480, 96, 0));
  EXPECT_TRUE(showsTile(a.frm.picTileView, 496, 112, 33));
  EXPECT_TRUE(showsTile(a.frm.picTileView, 0, 112, 224));  // nothing wrapped
}

TEST_F(MapEditing, EveryChangeOfTheSelectedTileWithdrawsTileUndo) {
  const std::pair<const char*, std::function<void()>> changes[] = {
      {"a click on the sheet", [&] { click(kSheet, 4, 1); }},
      {"a reset", [&] { ResetTileSelection(a); }},
      {"a typed tile", [&] { Form_KeyUp(a, 'A', 0); }},
  };
  for (const auto& [what, change] : changes) {
    cmdClear_Click(a);
    ASSERT_TRUE(a.frm.cmdUndoEnabled && !a.frm.cmdClearEnabled) << what;
    change();
    EXPECT_TRUE(!a.frm.cmdUndoEnabled && a.frm.cmdClearEnabled) << what;
  }
}

namespace {

constexpr int kShift = 1, kCtrl = 2, kAlt = 4;
constexpr int kEsc = 27, kLeft = 37, kUp = 38, kRight = 39, kDown = 40;

class Keyboard : public MapTest {
 protected:
  void press(int key, int times = 1) {
    for (int i = 0; i < times; ++i) Form_KeyUp(a, key, 0);
  }
  QPoint cursor() const { return {a.frm.shpMapCursor.left, a.frm.shpMapCursor.top}; }
  std::vector<bool> editingMenus() {
    std::vector<bool> v{a.frm.picMap.enabled};
    for (const char* m : {"mnuFile", "mnuEdit", "mnuOptions", "mnuIdentify", "mnuSettings"})
      v.push_back(a.frm.menu(m).enabled);
    return v;
  }
};

}  // namespace

TEST_F(Keyboard, EveryTypingKeyStoresItsScreenCodeAndTheLastTileTypedBecomesTheBrush) {
  Form_KeyUp(a, 'H', kCtrl);  // the hover previews on
  for (char c : std::string("HELLO")) press(c);
  EXPECT_TRUE(showsTile(a.frm.picMap, 64, 0, 15) &&
              showsTile(a.frm.picTileSelectedHover, 0, 0, 15));
  EXPECT_EQ(TileUnder(a.frm.shpTileSelected), 15);
  EXPECT_EQ(a.st.TilePixels[9], SheetColor(15, 2, 2));  // the tile editor shows it too
  // The whole modifier mask counts: Ctrl+S is a menu shortcut, F1 and "\" type nothing.
  using Key = std::pair<int, int>;  // code, mask
  for (auto [key, mask] : {Key{'G', kCtrl}, Key{'S', kCtrl}, Key{'A', kAlt}, Key{220, 0},
                           Key{112, 0}})
    Form_KeyUp(a, key, mask);
  EXPECT_EQ(a.st.UndoLevel, 7);
  // The other typing keys alone, with Shift, with Ctrl+Shift: the C64 screen codes of what a US
  // keyboard prints; Insert is the pound sign, Delete the up-arrow, ` the left-arrow, Shift+6 6.
  for (int mask : {0, kShift, kCtrl | kShift})
    for (int key : {32, 45, 46, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 106, 107, 109, 110, 111,
                    186, 187, 188, 189, 190, 191, 192, 219, 221, 222})
      Form_KeyUp(a, key, mask);
  const std::string plain = " \x1C\x1E" "0123456789*+-./;=,-./\x1F\x1B\x1D'";
  const std::string shifted = std::string(" \x1C\x1E)!\0", 6) + "#$%6&*(*+-./:+<->?\x1F\x1B\x1D\"";
  const std::string typed = "\x08\x05\x0C\x0C\x0F\x07\x01" + plain + shifted + plain;
  for (size_t c = 0; c <= typed.size(); ++c)
    EXPECT_EQ(a.st.DatamapAt(int(c), 0), uint8_t(typed.c_str()[c])) << c;  // then nothing
  picMap_MouseMove(a, 0, 1, Mid(3), Mid(3));  // with Shift, the copied block's preview instead
  EXPECT_TRUE(a.frm.picMapBufferHover.visible && !a.frm.picTileSelectedHover.visible);
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
  press('A');
  press('B');
  EXPECT_EQ(a.st.DatamapAt(39, 24), 2);  // B overwrote A in the last cell
  EXPECT_EQ(a.st.DatamapAt(0, 25), 0);
  EXPECT_EQ(cursor(), QPoint(624, 384));
  picMap_MouseMove(a, 0, 0, -7, 5000);  // past the picture, as a drag takes the mouse
  EXPECT_EQ(cursor(), QPoint(0, 384));
}

TEST_F(Keyboard, CtrlXThenEscLeavesNoFillAndNoSnapshotAndNoOtherKeyActsMeanwhile) {
  Form_KeyUp(a, 'X', kCtrl);
  EXPECT_EQ(editingMenus(), (std::vector<bool>{false, false, false, false, true, true}));
  press('A');
  Form_KeyUp(a, 'F', kCtrl);
  Form_KeyUp(a, kEsc, 0);
  EXPECT_FALSE(a.frm.picRandFillVisible || a.st.RandomFillStep);
  EXPECT_EQ(editingMenus(), std::vector<bool>(6, true));
  EXPECT_EQ(a.st.UndoLevel, 0);
  a.st.IdentifyMode = true;  // the sheet is locked there: the picks could never come
  Form_KeyUp(a, 'X', kCtrl);
  EXPECT_FALSE(a.frm.picRandFillVisible || a.st.RandomFillStep);
  a.st.IdentifyMode = false;
  a.st.DatatypeMode = true;  // no key acts in datatype mode
  for (int key : {int('A'), kRight, kDown}) Form_KeyUp(a, key, 0);
  Form_KeyUp(a, 'X', kCtrl);
  Form_KeyUp(a, 'H', kCtrl);
  EXPECT_EQ(cursor(), QPoint(0, 0));
  EXPECT_FALSE(a.frm.picRandFillVisible || a.st.HoverPreview || a.st.UndoLevel);
}

TEST_F(Keyboard, ThePicksEndingARandomFillPutBackTheMenusAsTheyWere) {
  mnuZoom50_Click(a);
  const std::vector<bool> zoomed = editingMenus();
  Form_KeyUp(a, 'X', kCtrl);
  Form_KeyUp(a, kEsc, 0);
  EXPECT_EQ(editingMenus(), zoomed);
  Form_KeyUp(a, 'X', kCtrl);
  for (int t : {7, 8, 9}) click(kSheet, t, 0);
  EXPECT_EQ(editingMenus(), zoomed);
}
