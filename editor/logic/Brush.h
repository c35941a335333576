#pragma once

struct App;

// Tile t alone becomes the brush: the selection frame moves onto it on the
// sheet, its image is the brush image (and the hover preview's), and the tile
// editor shows it, with no Tile Undo left over from the tile before.
void SelectSingleTile(App& a, int tile);
