#pragma once

class QKeyEvent;

// A key event as the keyboard handler takes it: the virtual-key code of the
// physical key on a US keyboard, and the modifier mask 1 Shift + 2 Ctrl + 4 Alt.
struct KeyUpArgs {
  int keyCode = 0;  // 0: a key the handler knows nothing of
  int shift = 0;
};

// xkbScanCodes: the platform reports X keyboard keycodes (the Linux evdev
// code + 8) as native scan codes, as xcb and Wayland do. Then the physical key
// decides, whatever the layout prints on it; otherwise (offscreen, tests) the
// key Qt reports is read as a US keyboard would have produced it.
KeyUpArgs TranslateKeyEvent(const QKeyEvent& e, bool xkbScanCodes);
// Whether this run's platform reports XKB keycodes as native scan codes.
bool PlatformReportsXkbScanCodes();
