#pragma once

struct App;

// Loads a palette from an INI file's colour keys or a .vpl file and redraws
// everything in its colours.
void mnuLoadPalette_Click(App& a);
