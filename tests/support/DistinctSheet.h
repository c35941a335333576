#pragma once
#include <cstdint>

#include "platform/Color.h"
#include "platform/Picture.h"

// Pixel (x, y) of tile t on the sheet: every pixel of every tile differs (and
// no marker or label colour has green and blue of 16 n + 8), so a pixel on the
// map names the tile and the place inside it that it came from.
inline int32_t SheetColor(int tile, int x, int y) { return RGBColor(tile, 16 * x + 8, 16 * y + 8); }

inline void PaintDistinctSheet(Picture& sheet) {
  for (int t = 0; t < 256; ++t)
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x)
        sheet.setPixel(16 * (t % 32) + x, 16 * (t / 32) + y, SheetColor(t, x, y));
}
