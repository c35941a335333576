#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWindow>
#include <memory>

#include "editor/KeyTranslation.h"
#include "editor/frmMain.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFiles.h"

namespace {

constexpr auto kShift = Qt::ShiftModifier;
constexpr auto kCtrl = Qt::ControlModifier;
constexpr auto kKeypad = Qt::KeypadModifier;

KeyUpArgs Translate(int key, Qt::KeyboardModifiers mods, quint32 scanCode = 0, bool xkb = false) {
  const QKeyEvent e(QEvent::KeyRelease, key, mods, scanCode, 0, 0);
  return TranslateKeyEvent(e, xkb);
}

std::pair<int, int> Codes(const KeyUpArgs& k) { return {k.keyCode, k.shift}; }

// The real main window, shown offscreen, its cursor on the map's first cell.
class KeysInTheWindow : public ::testing::Test {
 protected:
  KeysInTheWindow() : w(std::make_unique<frmMain>("", &prompts)) { w->show(); }
  void TearDown() override { EXPECT_EQ(prompts.pending(), 0u); }
  ProgramState& st() { return w->app().st; }
  // A release as the platform delivers it: to the window, then to the focus widget.
  void release(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyRelease(w->windowHandle(), key, mods);
  }

  TempProgramFolder folder;
  ScriptedPrompts prompts;
  std::unique_ptr<frmMain> w;
};

}  // namespace

TEST(KeyTranslation, ACharacterNamesTheUsKeyItIsPrintedOn) {
  struct Case {
    int key;
    Qt::KeyboardModifiers mods;
    int code, mask;
  };
  const Case cases[] = {
      {Qt::Key_At, kShift, 50, 1},
      {Qt::Key_Colon, kShift, 186, 1},
      {Qt::Key_AsciiCircum, kShift, 54, 1},
      {Qt::Key_Exclam, kShift | kCtrl, 49, 3},
      {Qt::Key_ParenRight, kShift, 48, 1},
      {Qt::Key_Asterisk, kShift, 56, 1},
      {Qt::Key_QuoteDbl, kShift, 222, 1},
      {Qt::Key_Underscore, kShift, 189, 1},
      {Qt::Key_AsciiTilde, kShift, 192, 1},
      {Qt::Key_BraceRight, kShift, 221, 1},
      {Qt::Key_G, kCtrl, 71, 2},
      {Qt::Key_A, Qt::AltModifier, 65, 4},
      {Qt::Key_A, Qt::MetaModifier, 65, 0},
      {Qt::Key_Escape, {}, 27, 0},
      {Qt::Key_Backspace, {}, 8, 0},
      {Qt::Key_Delete, {}, 46, 0},
      {Qt::Key_4, kKeypad, 100, 0},
      {Qt::Key_Asterisk, kKeypad, 106, 0},
      {Qt::Key_Period, kKeypad, 110, 0},
      {Qt::Key_Slash, kKeypad | kShift, 111, 1},
      {Qt::Key_Left, kKeypad, 37, 0},  // Num Lock off: the keypad 4 is Left
      {Qt::Key_F1, {}, 112, 0},
      {Qt::Key_Eacute, {}, 0, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Codes(Translate(c.key, c.mods)), std::pair(c.code, c.mask)) << std::hex << c.key;
}

TEST(KeyTranslation, WithXkbScanCodesThePhysicalKeyDecides) {
  // A German layout prints '"' on Shift+2, a French one 'A' where US has Q.
  EXPECT_EQ(Codes(Translate(Qt::Key_QuoteDbl, kShift, 11, true)), std::pair(50, 1));
  EXPECT_EQ(Codes(Translate(Qt::Key_QuoteDbl, kShift, 11, false)), std::pair(222, 1));
  EXPECT_EQ(Codes(Translate(Qt::Key_A, {}, 24, true)), std::pair(81, 0));
  EXPECT_EQ(Codes(Translate(Qt::Key_Semicolon, {}, 47, true)), std::pair(186, 0));
  EXPECT_EQ(Codes(Translate(Qt::Key_Right, {}, 114, true)), std::pair(39, 0));
  EXPECT_EQ(Codes(Translate(Qt::Key_Delete, {}, 119, true)), std::pair(46, 0));
  EXPECT_EQ(Codes(Translate(Qt::Key_Apostrophe, {}, 135, true)), std::pair(93, 0));
  // The keypad follows Qt, which knows Num Lock; unknown codes fall back to the key.
  EXPECT_EQ(Codes(Translate(Qt::Key_Insert, kKeypad, 90, true)), std::pair(45, 0));
  EXPECT_EQ(Codes(Translate(Qt::Key_0, kKeypad, 90, true)), std::pair(96, 0));
  EXPECT_EQ(Codes(Translate(Qt::Key_Z, {}, 300, true)), std::pair(90, 0));
  EXPECT_EQ(Codes(Translate(Qt::Key_Z, {}, 8, true)), std::pair(90, 0));
}

TEST_F(KeysInTheWindow, ReleasesTypeOnceWhicheverWidgetHasTheFocus) {
  w->mapView()->setFocus();
  release(Qt::Key_At, kShift);
  release(Qt::Key_Colon, kShift);
  w->control("cmdHome")->setFocus();
  release(Qt::Key_AsciiCircum, kShift);
  release(Qt::Key_Exclam, kShift | kCtrl);
  release(Qt::Key_Shift);
  for (int c = 0; c < 4; ++c) EXPECT_EQ(st().DatamapAt(c, 0), "\x00\x3A\x36\x31"[c]) << c;
  EXPECT_EQ(st().UndoLevel, 4);
  EXPECT_EQ(w->app().frm.shpMapCursor.left, 64);
}

TEST_F(KeysInTheWindow, AnEventSentToAChildActsOnceAndAutoRepeatNotAtAll) {
  QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a", true);
  QApplication::sendEvent(w->mapView(), &repeat);
  EXPECT_EQ(st().UndoLevel, 0);
  QKeyEvent once(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a");
  QApplication::sendEvent(w->mapView(), &once);  // climbs to the window unaccepted
  EXPECT_EQ(st().UndoLevel, 1);
  EXPECT_EQ(st().DatamapAt(0, 0), 1);
  EXPECT_EQ(st().DatamapAt(1, 0), 0);
}

TEST_F(KeysInTheWindow, CtrlXShowsThePromptAndEscHidesIt) {
  QWidget* prompt = w->control("picRandFill");
  release(Qt::Key_X, kCtrl);
  EXPECT_TRUE(prompt->isVisible());
  EXPECT_FALSE(w->mapView()->isEnabled());
  release(Qt::Key_Escape);
  EXPECT_FALSE(prompt->isVisible());
  EXPECT_TRUE(w->mapView()->isEnabled());
}
