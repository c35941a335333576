#pragma once

struct App;

// Fills the region that four straight scans find around (FillStartX,
// FillStartY), one quadrant each, over the whole 256 x 128 datamap. Mode 1:
// with the selected tile; any other mode: cell by cell with RandomFillTile(1..3)
// by the percentages RandomFill(1) and RandomFill(2), the third tile taking
// the rest. Takes one undo level and refreshes picMap once; a start cell off
// the datamap fills nothing.
void FillMapArea(App& a, int mode);
