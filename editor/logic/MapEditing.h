#pragma once

#include <cstdint>

#include "model/UndoStore.h"

struct App;
struct Shape;

// The top-left pixel of the cell under v (16 x floor(v / 16)), on the map and
// the tile sheet alike. Far-off positions are held inside the 16-bit range the
// cell variables have.
int16_t SnapToCell(float v);

// Mouse codes: button 1 left, 2 right, 4 middle (a move: the sum held);
// shift mask 1 Shift, 2 Ctrl, 4 Alt. Every test compares the whole value.
void picMap_MouseDown(App& a, int button, int shift, float x, float y);
void picMap_MouseMove(App& a, int button, int shift, float x, float y);
void picMap_MouseUp(App& a, int button, int shift, float x, float y);
// view 1 tile sheet, 2 map; x and y are clamped in place.
void MoveCursor(App& a, Shape& shape, int shift, float& x, float& y, int view);
// The copied block's image and tile numbers at (MouseCellX, MouseCellY), as
// Ctrl+left and Ctrl+V paste it; cells past column 255 or row 127 are skipped.
void PasteBuffer(App& a);
void mnuUndo_Click(App& a);
