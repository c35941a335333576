#pragma once

struct App;

// Switches identify mode: every tile the datamap holds is framed on the tile
// sheet and editing is locked; Tileset Save then writes the tiles-used image.
void mnuIdentify_Click(App& a);
