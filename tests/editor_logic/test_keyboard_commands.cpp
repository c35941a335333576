#include "editor/logic/KeyboardCommands.h"
#include "editor/logic/Zoom.h"
#include "logic_fixture.h"

namespace {

constexpr int kShift = 1, kCtrl = 2, kAlt = 4;
constexpr int kEsc = 27, kLeft = 37, kUp = 38, kRight = 39, kDown = 40;

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
    std::vector<bool> v{a.frm.picMap.enabled};
    for (const char* m : {"mnuFile", "mnuEdit", "mnuOptions", "mnuIdentify", "mnuSettings"})
      v.push_back(a.frm.menu(m).enabled);
    return v;
  }
};

}  // namespace

TEST_F(Keyboard, TypingHelloStoresItsScreenCodesAndMakesTheLastTileTheBrush) {
  type("HELLO");
  EXPECT_TRUE(showsTile(a.frm.picMap, 64, 0, 15));
  EXPECT_EQ(cursor(), QPoint(80, 0));
  EXPECT_EQ(a.st.UndoLevel, 5);
  EXPECT_EQ(TileUnder(a.frm.shpTileSelected), 15);
  EXPECT_TRUE(showsTile(a.frm.picTileSelected, 0, 0, 15));
  EXPECT_EQ(a.st.TilePixels[9], SheetColor(15, 2, 2));  // the tile editor shows it too
  // The whole modifier mask counts: Ctrl+S is a menu shortcut, F1 and "\" type nothing.
  using Key = std::pair<int, int>;  // code, mask
  for (auto [key, mask] : {Key{'G', kCtrl}, Key{'S', kCtrl}, Key{'A', kAlt}, Key{'0', kShift},
                           Key{186, 0}, Key{220, 0}, Key{112, 0}})
    Form_KeyUp(a, key, mask);
  for (int c = 0; c < 10; ++c)
    EXPECT_EQ(a.st.DatamapAt(c, 0), "\x08\x05\x0C\x0C\x0F\x07\x01\x29\x3B\x00"[c]) << c;
  EXPECT_EQ(a.st.UndoLevel, 9);
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
}

TEST_F(Keyboard, CtrlXThenEscLeavesNoFillAndNoSnapshotAndNoOtherKeyActsMeanwhile) {
  Form_KeyUp(a, 'X', kCtrl);
  EXPECT_TRUE(a.frm.picRandFillVisible);
  EXPECT_EQ(editingMenus(), (std::vector<bool>{false, false, false, false, true, true}));
  type("A");
  Form_KeyUp(a, 'F', kCtrl);
  Form_KeyUp(a, kEsc, 0);
  EXPECT_FALSE(a.frm.picRandFillVisible || a.st.RandomFillStep);
  EXPECT_EQ(editingMenus(), std::vector<bool>(6, true));
  EXPECT_EQ(a.st.UndoLevel, 0);
  EXPECT_EQ(a.st.Datamap, CellArray{});
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

TEST_F(Keyboard, ThePicksEndingARandomFillPutBackTheMenusAsTheyWereAndLeaveTheEditorAlone) {
  click(kSheet, 3, 1);  // tile 35 in the editor
  mnuZoom50_Click(a);
  const std::vector<bool> zoomed = editingMenus();
  Form_KeyUp(a, 'X', kCtrl);
  Form_KeyUp(a, kEsc, 0);
  EXPECT_EQ(editingMenus(), zoomed);
  Form_KeyUp(a, 'X', kCtrl);
  for (int t : {7, 8, 9}) click(kSheet, t, 0);
  EXPECT_TRUE(showsTile(a.frm.picFill3, 0, 0, 9));
  EXPECT_LT(a.st.DatamapAt(255, 127) - 7u, 3u);  // one of the picks
  EXPECT_EQ(a.st.UndoLevel, 1);
  EXPECT_EQ(editingMenus(), zoomed);
  EXPECT_EQ(a.st.TilePixels[9], SheetColor(35, 2, 2));
}
