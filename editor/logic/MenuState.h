#pragma once

struct App;

// Codes 0..7: an even code disables one group of menus and the next odd code
// enables it again (0/1 random fill, 2/3 zoom, 4/5 datatype mode, 6/7
// identify mode); other codes change nothing.
void SetMenuState(App& a, int code);
