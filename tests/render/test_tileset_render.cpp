#include <gtest/gtest.h>

#include <memory>

#include "model/App.h"
#include "render/TilesetRender.h"

namespace {

constexpr int32_t kGreen = 0x050505 * 5, kCyan = 0x050505 * 7;

// A strip of pixels, row by row: 'x' for `ink`, '.' for the black background.
std::string strip(const Picture& p, int x0, int y0, int w, int h, int32_t ink) {
  std::string s;
  for (int y = y0; y < y0 + h; ++y) {
    if (y > y0) s += ' ';
    for (int x = x0; x < x0 + w; ++x) s += p.pixel(x, y) == ink ? 'x' : p.pixel(x, y) ? '?' : '.';
  }
  return s;
}

}  // namespace

TEST(TilesetImage, SetBitsShowInTheLowNibblesColourAndTheSheetDoublesEveryPixel) {
  auto a = std::make_unique<App>();
  for (int i = 0; i < 16; ++i) a->st.Palette[size_t(i)] = 0x050505 * i;  // a colour names its index
  a->st.TileBytes.assign(2048, 0);
  a->st.TileBytes[8 * 33] = 0x81;  // tile 33 sits at (8, 8)
  a->st.TileBytes[8 * 33 + 1] = 0x3C;
  a->st.TileBytes[8 * 34] = a->st.TileBytes[8 * 35] = 0xFF;
  a->st.Colormap[2 + 33] = 0x05;
  a->st.Colormap[2 + 34] = 0x15;
  a->st.Colormap[2 + 35] = 0x10;  // colour 0: the background
  a->st.TileBytes[8 * 255] = 0xA1;
  a->st.Colormap[2 + 255] = 0x07;
  RenderTileset(*a);
  EXPECT_EQ(strip(a->frm.picTileData, 8, 8, 8, 3, kGreen), "x......x ..xxxx.. ........");
  EXPECT_EQ(strip(a->frm.picTileData, 16, 8, 16, 1, kGreen), "xxxxxxxx........");
  EXPECT_EQ(strip(a->frm.picTileView, 496, 112, 16, 3, kCyan),
            "xx..xx........xx xx..xx........xx ................");
}
