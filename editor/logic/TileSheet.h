#pragma once

struct App;

void picTileView_MouseDown(App& a, int button, int shift, float x, float y);
void picTileView_MouseMove(App& a, int button, int shift, float x, float y);
void picTileView_MouseUp(App& a, int button, int shift, float x, float y);
// Tile 0 becomes the single-tile brush and the tile editor shows it.
void ResetTileSelection(App& a);
