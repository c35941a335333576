#pragma once
#include <string>
#include <vector>

struct App;

// Files dropped on the map view (a datamap: the first path only) and on the
// tile sheet (tilesets and colormaps: every path in order). paths: full local
// paths in the order the drag carried them.
void picMap_OLEDragDrop(App& a, const std::vector<std::string>& paths);
void picTileView_OLEDragDrop(App& a, const std::vector<std::string>& paths);
