#include <QKeyEvent>
#include <QWindow>

#include "editor/KeyTranslation.h"
#include "window_fixture.h"

namespace {

std::pair<int, int> Codes(int key, Qt::KeyboardModifiers mods, quint32 scanCode = 0, bool xkb = false) {
  const KeyUpArgs k = TranslateKeyEvent(QKeyEvent(QEvent::KeyRelease, key, mods, scanCode, 0, 0), xkb);
  return {k.keyCode, k.shift};
}

}  // namespace

TEST(KeyTranslation, AKeyIsNamedByItsUsKeyAndTheWholeModifierMask) {
  const auto shift = Qt::ShiftModifier, keypad = Qt::KeypadModifier;
  struct Case { int key; Qt::KeyboardModifiers mods; int code, mask; };
  for (const Case c : {Case{Qt::Key_QuoteDbl, shift, 222, 1}, Case{Qt::Key_A, Qt::AltModifier, 65, 4},
                       Case{Qt::Key_A, Qt::MetaModifier, 65, 0}, Case{Qt::Key_Slash, keypad | shift, 111, 1},
                       Case{Qt::Key_Left, keypad, 37, 0},  // Num Lock off: the keypad 4
                       Case{Qt::Key_F1, {}, 112, 0}, Case{Qt::Key_Eacute, {}, 0, 0}})
    EXPECT_EQ(Codes(c.key, c.mods), std::pair(c.code, c.mask)) << std::hex << c.key;
  // With XKB scan codes the physical key decides: a German layout prints '"'
  // on Shift+2, a French one 'A' where US has Q; unknown codes go by the key.
  EXPECT_EQ(Codes(Qt::Key_QuoteDbl, shift, 11, true), std::pair(50, 1));
  EXPECT_EQ(Codes(Qt::Key_A, {}, 24, true), std::pair(81, 0));
  EXPECT_EQ(Codes(Qt::Key_Insert, keypad, 90, true), std::pair(45, 0));
  EXPECT_EQ(Codes(Qt::Key_Z, {}, 8, true), std::pair(90, 0));
}

TEST_F(ShownWindow, KeyReleasesActOnceWhicheverWidgetHasTheFocusAndAutoRepeatNotAtAll) {
  // A release as the platform delivers it: to the window, then to the focus widget.
  auto release = [&](Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyRelease(w->windowHandle(), key, mods);
  };
  map()->setFocus();
  release(Qt::Key_At, Qt::ShiftModifier);
  release(Qt::Key_Colon, Qt::ShiftModifier);
  w->control("cmdHome")->setFocus();
  release(Qt::Key_AsciiCircum, Qt::ShiftModifier);
  release(Qt::Key_Exclam, Qt::ShiftModifier | Qt::ControlModifier);
  release(Qt::Key_Shift);
  for (int c = 0; c < 4; ++c) EXPECT_EQ(st().DatamapAt(c, 0), "\x00\x3A\x36\x31"[c]) << c;
  EXPECT_EQ(std::pair(int(st().UndoLevel), frm().shpMapCursor.left), std::pair(4, 64));

  QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a", true);
  QApplication::sendEvent(map(), &repeat);
  EXPECT_EQ(st().UndoLevel, 4);
  QKeyEvent once(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a");
  QApplication::sendEvent(map(), &once);  // climbs to the window unaccepted
  EXPECT_EQ(std::pair(int(st().UndoLevel), int(st().DatamapAt(4, 0))), std::pair(5, 1));

  release(Qt::Key_X, Qt::ControlModifier);  // the random fill's prompt, closed again by Esc
  EXPECT_TRUE(w->control("picRandFill")->isVisible() && !map()->isEnabled());
  release(Qt::Key_Escape);
  EXPECT_TRUE(!w->control("picRandFill")->isVisible() && map()->isEnabled());
}
