#include "editor/KeyTranslation.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include "editor/PictureView.h"

namespace {

// US virtual-key codes the table below needs beyond letters and digits.
// clang-format off
enum : int {
  kBack = 8, kTab = 9, kClear = 12, kReturn = 13, kShiftKey = 16, kControl = 17, kMenu = 18,
  kPause = 19, kCapital = 20, kEscape = 27, kSpace = 32, kPrior = 33, kNext = 34, kEnd = 35,
  kHome = 36, kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kSnapshot = 44, kInsert = 45,
  kDelete = 46, kLWin = 91, kRWin = 92, kApps = 93, kNumpad0 = 96, kMultiply = 106, kAdd = 107,
  kSubtract = 109, kDecimal = 110, kDivide = 111, kF1 = 112, kNumLock = 144, kScroll = 145,
  kOem1 = 186 /* ; */, kOemPlus = 187, kOemComma = 188, kOemMinus = 189, kOemPeriod = 190,
  kOem2 = 191 /* / */, kOem3 = 192 /* ` */, kOem4 = 219 /* [ */, kOem5 = 220 /* \ */,
  kOem6 = 221 /* ] */, kOem7 = 222 /* ' */, kOem102 = 226 /* the extra key of ISO keyboards */,
};

// XKB keycodes 9..135 (the number ending each line is the keycode of its first
// entry); 0 for the keypad, read through Qt because Qt knows whether Num Lock
// is on, and for keys a US keyboard does not have.
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
// clang-format on
static_assert(sizeof kXkbToVk == 135 - kFirstXkb + 1);

int FromXkb(quint32 code) {
  if (code < kFirstXkb || code >= kFirstXkb + sizeof kXkbToVk) return 0;
  return kXkbToVk[code - kFirstXkb];
}

struct KeyPair {
  int qtKey, keyCode;
};

// Keypad keys keep their own codes; with Num Lock off Qt reports the
// navigation key a keypad key stands for, which keeps that key's code.
constexpr KeyPair kKeypadKeys[] = {
    {Qt::Key_Asterisk, kMultiply}, {Qt::Key_Plus, kAdd},      {Qt::Key_Minus, kSubtract},
    {Qt::Key_Period, kDecimal},    {Qt::Key_Comma, kDecimal}, {Qt::Key_Slash, kDivide},
    {Qt::Key_Enter, kReturn},      {Qt::Key_Clear, kClear},
};

// The key a US keyboard carries each character on: Qt names the character
// the key produced, which with Shift is the key's upper symbol.
// clang-format off
constexpr KeyPair kQtKeys[] = {
    {Qt::Key_ParenRight, '0'}, {Qt::Key_Exclam, '1'}, {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'}, {Qt::Key_Dollar, '4'}, {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'}, {Qt::Key_Ampersand, '7'}, {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},
    {Qt::Key_Semicolon, kOem1},       {Qt::Key_Colon, kOem1},
    {Qt::Key_Equal, kOemPlus},        {Qt::Key_Plus, kOemPlus},
    {Qt::Key_Comma, kOemComma},       {Qt::Key_Less, kOemComma},
    {Qt::Key_Minus, kOemMinus},       {Qt::Key_Underscore, kOemMinus},
    {Qt::Key_Period, kOemPeriod},     {Qt::Key_Greater, kOemPeriod},
    {Qt::Key_Slash, kOem2},           {Qt::Key_Question, kOem2},
    {Qt::Key_QuoteLeft, kOem3},       {Qt::Key_AsciiTilde, kOem3},
    {Qt::Key_BracketLeft, kOem4},     {Qt::Key_BraceLeft, kOem4},
    {Qt::Key_Backslash, kOem5},       {Qt::Key_Bar, kOem5},
    {Qt::Key_BracketRight, kOem6},    {Qt::Key_BraceRight, kOem6},
    {Qt::Key_Apostrophe, kOem7},      {Qt::Key_QuoteDbl, kOem7},
    {Qt::Key_Tab, kTab},              {Qt::Key_Backtab, kTab},
    {Qt::Key_Return, kReturn},        {Qt::Key_Enter, kReturn},
    {Qt::Key_Space, kSpace}, {Qt::Key_Backspace, kBack}, {Qt::Key_Escape, kEscape},
    {Qt::Key_Insert, kInsert}, {Qt::Key_Delete, kDelete}, {Qt::Key_Home, kHome},
    {Qt::Key_End, kEnd}, {Qt::Key_PageUp, kPrior}, {Qt::Key_PageDown, kNext},
    {Qt::Key_Left, kLeft}, {Qt::Key_Up, kUp},
    {Qt::Key_Right, kRight}, {Qt::Key_Down, kDown}, {Qt::Key_Shift, kShiftKey},
    {Qt::Key_Control, kControl}, {Qt::Key_Alt, kMenu}, {Qt::Key_CapsLock, kCapital},
    {Qt::Key_NumLock, kNumLock}, {Qt::Key_ScrollLock, kScroll}, {Qt::Key_Pause, kPause},
    {Qt::Key_Print, kSnapshot}, {Qt::Key_Meta, kLWin}, {Qt::Key_Menu, kApps},
};
// clang-format on

template <size_t N>
int Lookup(const KeyPair (&table)[N], int key) {
  for (const KeyPair& p : table)
    if (p.qtKey == key) return p.keyCode;
  return 0;
}

int FromKeypadKey(int key) {
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return kNumpad0 + (key - Qt::Key_0);
  return Lookup(kKeypadKeys, key);
}

// Letters never come here: TranslateKeyEvent takes them first.
int FromQtKey(int key) {
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return key;
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return kF1 + (key - Qt::Key_F1);
  return Lookup(kQtKeys, key);
}

}  // namespace

KeyUpArgs TranslateKeyEvent(const QKeyEvent& e, bool xkbScanCodes) {
  KeyUpArgs out;
  const Qt::KeyboardModifiers mods = e.modifiers();
  out.shift = modifierMask(mods);
  const int key = e.key();
  if (mods & Qt::KeypadModifier) {
    out.keyCode = FromKeypadKey(key);
  } else if (key >= Qt::Key_A && key <= Qt::Key_Z) {
    out.keyCode = key;
  } else if (xkbScanCodes) {
    out.keyCode = FromXkb(e.nativeScanCode());
    // A US letter key that prints a Latin symbol here (the comma of AZERTY)
    // is read by what it prints, or it would type the letter another key
    // has; the letters of other scripts keep their US places.
    if (out.keyCode >= 'A' && out.keyCode <= 'Z' && key < 0x100) out.keyCode = 0;
  }
  if (!out.keyCode) out.keyCode = FromQtKey(key);
  return out;
}

void KeysDown::pressed(const KeyUpArgs& k) {
  if (k.keyCode) maskAtPress_[k.keyCode] = k.shift;
}

std::optional<KeyUpArgs> KeysDown::released(int keyCode) {
  const auto it = maskAtPress_.find(keyCode);
  if (it == maskAtPress_.end()) return std::nullopt;
  const KeyUpArgs k{keyCode, it->second};
  maskAtPress_.erase(it);
  return k;
}

bool PlatformReportsXkbScanCodes() {
  const QString p = QGuiApplication::platformName();
  return p == "xcb" || p.startsWith("wayland");
}
