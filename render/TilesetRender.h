#pragma once
#include <string>

#include "model/Formats.h"

class Picture;

struct App;

// Clears a tile picture to Palette(0), the background of every tile, so that
// what it shows reads back as empty tiles whatever the palette.
void ClearTilePicture(App& a, Picture& picture);
// Redraws picTileData (1:1) and the 2x tile sheet picTileView from TileBytes,
// Colormap and Palette. Does nothing while a .bmp tileset is loaded.
void RenderTileset(App& a);
// The 2048 tile bytes picTileData shows: a bit is 0 where the pixel equals
// Palette(0), tile by tile, row by row, leftmost pixel in bit 7.
Bytes TilesetToBytes(App& a);
// The tile bytes the 2x sheet shows, tiles stamped onto it included, read
// through a halved copy so that picTileData stays as it is.
Bytes SheetToBytes(const App& a);
// picTileSelectedData -> TilePixels, the edit grid and the character colour.
void LoadTileEditor(App& a);
// picTileSelectedData = the brush image's top-left 16 x 16 pixels halved: the
// edited tile is the brush's top-left tile, whatever the brush's size.
void TakeEditedTileFromBrush(App& a);
// The edit grid -> the edited tile, brush, sheet and 1:1 image; then the map
// shows it as RedrawMap would.
void CommitTileEdit(App& a);
