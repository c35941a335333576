#pragma once

struct App;

// A key release anywhere in the main window. keyCode: the released key's
// virtual-key code as a US keyboard gives it (65..90 the letters, 48..57 the
// digits, 186 ";", 27 Esc, ...); shift: 1 Shift + 2 Ctrl + 4 Alt. Every test
// of the mask compares the whole value: Ctrl means Ctrl alone.
void Form_KeyUp(App& a, int keyCode, int shift);
// Runs the random fill after its third pick and ends the prompt, putting the
// menus and the map back as Ctrl+X found them.
void EndRandomFill(App& a);
