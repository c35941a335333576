#include "editor/KeyTranslation.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace {

// US virtual-key codes the table below needs beyond letters and digits.
enum : int {
  kBack = 8, kTab = 9, kClear = 12, kReturn = 13, kShiftKey = 16, kControl = 17, kMenu = 18, kPause = 19,
  kCapital = 20, kEscape = 27, kSpace = 32, kPrior = 33, kNext = 34, kEnd = 35, kHome = 36,
  kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kSnapshot = 44, kInsert = 45, kDelete = 46,
  kLWin = 91, kRWin = 92, kApps = 93, kNumpad0 = 96, kMultiply = 106, kAdd = 107,
  kSubtract = 109, kDecimal = 110, kDivide = 111, kF1 = 112, kNumLock = 144, kScroll = 145,
  kOem1 = 186 /* ; */, kOemPlus = 187, kOemComma = 188, kOemMinus = 189, kOemPeriod = 190,
  kOem2 = 191 /* / */, kOem3 = 192 /* ` */, kOem4 = 219 /* [ */, kOem5 = 220 /* \ */,
  kOem6 = 221 /* ] */, kOem7 = 222 /* ' */, kOem102 = 226 /* the extra key of ISO keyboards */,
};

// XKB keycodes 9..135 (the comment ending each line gives its first); 0 for
// the keypad, read through Qt because Qt knows whether Num Lock is on, and for
// keys a US keyboard does not have.
constexpr int kFirstXkb = 9;
constexpr unsigned char kXkbToVk[] = {
    kEscape, '1', '2', '3', '4', '5', '6', '7', '8', '9', '0', kOemMinus, kOemPlus, kBack,  // 9
    kTab, 'Q', 'W', 'E', 'R', 'T', 'Y', 'U', 'I', 'O', 'P', kOem4, kOem6, kReturn,        // 23
    kControl, 'A', 'S', 'D', 'F', 'G', 'H', 'J', 'K', 'L', kOem1, kOem7, kOem3,           // 37
    kShiftKey, kOem5, 'Z', 'X', 'C', 'V', 'B', 'N', 'M', kOemComma, kOemPeriod, kOem2,    // 50
    kShiftKey, 0, kMenu, kSpace, kCapital,                                                // 62
    kF1, kF1 + 1, kF1 + 2, kF1 + 3, kF1 + 4, kF1 + 5, kF1 + 6, kF1 + 7, kF1 + 8, kF1 + 9,  // 67
    kNumLock, kScroll, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,                             // 77
    0, 0, kOem102, kF1 + 10, kF1 + 11, 0, 0, 0, 0, 0, 0, 0,                               // 92
    0, kControl, 0, kSnapshot, kMenu, 0, kHome, kUp, kPrior, kLeft, kRight, kEnd, kDown,  // 104
    kNext, kInsert, kDelete, 0, 0, 0, 0, 0, 0, 0, kPause, 0, 0, 0, 0, 0, kLWin, kRWin,    // 117
    kApps,                                                                                // 135
};

int FromXkb(quint32 code) {
  if (code < kFirstXkb || code >= kFirstXkb + sizeof kXkbToVk) return 0;
  return kXkbToVk[code - kFirstXkb];
}

// Keypad keys keep their own codes; with Num Lock off Qt reports the
// navigation key the keypad key stands for, which keeps that key's code.
int FromKeypadKey(int key) {
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return kNumpad0 + (key - Qt::Key_0);
  switch (key) {
    case Qt::Key_Asterisk: return kMultiply;
    case Qt::Key_Plus: return kAdd;
    case Qt::Key_Minus: return kSubtract;
    case Qt::Key_Period:
    case Qt::Key_Comma: return kDecimal;
    case Qt::Key_Slash: return kDivide;
    case Qt::Key_Enter: return kReturn;
    case Qt::Key_Clear: return kClear;
    default: return 0;
  }
}

// The key a US keyboard carries each character on: Qt names the character
// the key produced, which with Shift is the key's upper symbol.
int FromQtKey(int key) {
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return key;
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return kF1 + (key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_ParenRight: return '0';
    case Qt::Key_Exclam: return '1';
    case Qt::Key_At: return '2';
    case Qt::Key_NumberSign: return '3';
    case Qt::Key_Dollar: return '4';
    case Qt::Key_Percent: return '5';
    case Qt::Key_AsciiCircum: return '6';
    case Qt::Key_Ampersand: return '7';
    case Qt::Key_Asterisk: return '8';
    case Qt::Key_ParenLeft: return '9';
    case Qt::Key_Semicolon: case Qt::Key_Colon: return kOem1;
    case Qt::Key_Equal: case Qt::Key_Plus: return kOemPlus;
    case Qt::Key_Comma: case Qt::Key_Less: return kOemComma;
    case Qt::Key_Minus: case Qt::Key_Underscore: return kOemMinus;
    case Qt::Key_Period: case Qt::Key_Greater: return kOemPeriod;
    case Qt::Key_Slash: case Qt::Key_Question: return kOem2;
    case Qt::Key_QuoteLeft: case Qt::Key_AsciiTilde: return kOem3;
    case Qt::Key_BracketLeft: case Qt::Key_BraceLeft: return kOem4;
    case Qt::Key_Backslash: case Qt::Key_Bar: return kOem5;
    case Qt::Key_BracketRight: case Qt::Key_BraceRight: return kOem6;
    case Qt::Key_Apostrophe: case Qt::Key_QuoteDbl: return kOem7;
    case Qt::Key_Space: return kSpace;
    case Qt::Key_Backspace: return kBack;
    case Qt::Key_Tab: case Qt::Key_Backtab: return kTab;
    case Qt::Key_Return: case Qt::Key_Enter: return kReturn;
    case Qt::Key_Escape: return kEscape;
    case Qt::Key_Insert: return kInsert;
    case Qt::Key_Delete: return kDelete;
    case Qt::Key_Home: return kHome;
    case Qt::Key_End: return kEnd;
    case Qt::Key_PageUp: return kPrior;
    case Qt::Key_PageDown: return kNext;
    case Qt::Key_Left: return kLeft;
    case Qt::Key_Up: return kUp;
    case Qt::Key_Right: return kRight;
    case Qt::Key_Down: return kDown;
    case Qt::Key_Shift: return kShiftKey;
    case Qt::Key_Control: return kControl;
    case Qt::Key_Alt: return kMenu;
    case Qt::Key_CapsLock: return kCapital;
    case Qt::Key_NumLock: return kNumLock;
    case Qt::Key_ScrollLock: return kScroll;
    case Qt::Key_Pause: return kPause;
    case Qt::Key_Print: return kSnapshot;
    case Qt::Key_Meta: return kLWin;
    case Qt::Key_Menu: return kApps;
    default: return 0;
  }
}

}  // namespace

KeyUpArgs TranslateKeyEvent(const QKeyEvent& e, bool xkbScanCodes) {
  KeyUpArgs out;
  const Qt::KeyboardModifiers mods = e.modifiers();
  out.shift = (mods & Qt::ShiftModifier ? 1 : 0) + (mods & Qt::ControlModifier ? 2 : 0) +
              (mods & Qt::AltModifier ? 4 : 0);
  const int key = e.key();
  if (mods & Qt::KeypadModifier) {
    out.keyCode = FromKeypadKey(key);
    if (out.keyCode) return out;
    out.keyCode = FromQtKey(key);
    return out;
  }
  if (xkbScanCodes) out.keyCode = FromXkb(e.nativeScanCode());
  if (!out.keyCode) out.keyCode = FromQtKey(key);
  return out;
}

bool PlatformReportsXkbScanCodes() {
  const QString p = QGuiApplication::platformName();
  return p == "xcb" || p.startsWith("wayland");
}
