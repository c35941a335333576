#pragma once
#include <cstdint>

struct App;

// The tile editor: the 8 x 8 grid, its ten buttons and the palette swatches.
// Every edit changes the grid first and then commits it to the selected tile.
void picTileBits_MouseDown(App& a, int index, int button, int shift, float x, float y);
void picColor_Click(App& a, int index);
void cmdInvert_Click(App& a);
void cmdRotate_Click(App& a);
void cmdMirrorX_Click(App& a);
void cmdMirrorY_Click(App& a);
void cmdTileUp_Click(App& a);
void cmdTileDown_Click(App& a);
void cmdTileLeft_Click(App& a);
void cmdTileRight_Click(App& a);
void cmdClear_Click(App& a);
void cmdUndo_Click(App& a);
// direction: 0 down, 1 up, 2 left, 3 right; the row or column pushed out wraps.
void ShiftTile(App& a, int16_t direction);

// The selected tile has changed: the snapshot belongs to another tile, so
// Tile Undo is withdrawn and Delete Tile, which waits for it, is offered again.
void ForgetTileUndo(App& a);
