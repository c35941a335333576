#pragma once
#include <map>
#include <optional>

class QKeyEvent;

// A key event as the keyboard handler takes it: the virtual-key code of the
// physical key on a US keyboard, and the modifier mask 1 Shift + 2 Ctrl + 4 Alt.
struct KeyUpArgs {
  int keyCode = 0;  // 0: a key the handler knows nothing of
  int shift = 0;
};

// Letters follow the keyboard layout: the key that prints A is A, on AZERTY
// and QWERTZ keyboards too. Every other key keeps its place on a US keyboard.
// xkbScanCodes: the platform reports X keyboard keycodes (the Linux evdev
// code + 8) as native scan codes, as xcb and Wayland do, so the physical key
// names the digits and punctuation whatever the layout prints on them;
// otherwise (offscreen, tests) the key Qt reports is read as a US keyboard
// would have produced it.
KeyUpArgs TranslateKeyEvent(const QKeyEvent& e, bool xkbScanCodes);

// The modifier mask each key went down with. A key acts on its release, but
// as it was pressed: people let go of Ctrl a moment before the letter, and a
// shortcut must not then type its letter. A release whose press the window
// never saw (pressed in a dialog, or offered again on its way up the parents)
// does nothing.
class KeysDown {
 public:
  void pressed(const KeyUpArgs& k);
  std::optional<KeyUpArgs> released(int keyCode);
  void clear() { maskAtPress_.clear(); }

 private:
  std::map<int, int> maskAtPress_;
};
// Whether this run's platform reports XKB keycodes as native scan codes.
bool PlatformReportsXkbScanCodes();
