#include <gtest/gtest.h>

#include <memory>

#include "model/App.h"
#include "render/TilesetRender.h"

namespace {

// A palette whose 16 entries all differ, so a pixel's colour names its index.
constexpr std::array<int32_t, 16> kPal = {
    0x000000, 0xFFFFFF, 0x2B3768, 0xB2A470, 0x863D6F, 0x438D58, 0x792835, 0x6FC7B8,
    0x254F6F, 0x003943, 0x59679A, 0x444444, 0x6C6C6C, 0x84D29A, 0xB55E6C, 0x959595};
constexpr int32_t kBack = 0, kBlue = 0x2B3768, kPurple = 0x863D6F;
constexpr int32_t kGreen = 0x438D58, kCyan = 0x6FC7B8;

std::unique_ptr<App> makeApp() {
  auto a = std::make_unique<App>();
  a->st.Palette = kPal;
  a->st.TileBytes.assign(2048, 0);
  return a;
}

// A strip of pixels, row by row: 'x' for `ink`, '.' for the black background.
std::string strip(const Picture& p, int x0, int y0, int w, int h, int32_t ink) {
  std::string s;
  for (int y = y0; y < y0 + h; ++y) {
    if (y > y0) s += ' ';
    for (int x = x0; x < x0 + w; ++x) s += p.pixel(x, y) == ink ? 'x' : p.pixel(x, y) ? '?' : '.';
  }
  return s;
}

int count(const Picture& p, int32_t colour) {
  int n = 0;
  for (int y = 0; y < p.height(); ++y)
    for (int x = 0; x < p.width(); ++x) n += p.pixel(x, y) == colour;
  return n;
}

}  // namespace

TEST(TilesetImage, SetBitsShowInTheTilesColourChosenByTheLowNibbleOnly) {
  auto a = makeApp();
  a->st.TileBytes[8 * 33] = 0x81;  // tile 33 sits at (8, 8)
  a->st.TileBytes[8 * 33 + 1] = 0x3C;
  a->st.TileBytes[8 * 34] = a->st.TileBytes[8 * 35] = 0xFF;
  a->st.Colormap[2 + 33] = 0x05;
  a->st.Colormap[2 + 34] = 0x15;
  a->st.Colormap[2 + 35] = 0x10;  // colour 0: the background
  RenderTileset(*a);
  EXPECT_EQ(strip(a->frm.picTileData, 8, 8, 8, 3, kGreen), "x......x ..xxxx.. ........");
  EXPECT_EQ(strip(a->frm.picTileData, 16, 8, 16, 1, kGreen), "xxxxxxxx........");
}

TEST(TilesetImage, TheSheetShowsEveryPixelAsATwoByTwoBlock) {
  auto a = makeApp();
  a->st.TileBytes[8 * 255] = 0xA1;
  a->st.Colormap[2 + 255] = 0x07;
  RenderTileset(*a);
  EXPECT_EQ(strip(a->frm.picTileView, 496, 112, 16, 3, kCyan),
            "xx..xx........xx xx..xx........xx ................");
}

TEST(TilesetImage, BeforeAnyTilesetBytesEveryTileIsTheBackgroundColour) {
  auto a = makeApp();
  a->st.TileBytes.clear();
  a->st.Palette[0] = 0x102030;
  a->frm.picTileData.setPixel(3, 3, 0xFFFFFF);
  a->frm.picTileView.setPixel(300, 100, 0xFFFFFF);
  RenderTileset(*a);
  EXPECT_EQ(count(a->frm.picTileData, 0x102030), 256 * 64);
  EXPECT_EQ(count(a->frm.picTileView, 0x102030), 512 * 128);
}

TEST(TilesetImage, ABitmapTilesetIsNeverRedrawnFromBytes) {
  auto a = makeApp();
  a->st.TilesetFile = "/home/u/tiles.Bmp";
  a->st.TileBytes.assign(2048, 0xFF);
  a->frm.picTileView.setPixel(10, 10, 0x123456);
  RenderTileset(*a);
  EXPECT_EQ(count(a->frm.picTileView, kBack), 512 * 128 - 1);
  EXPECT_EQ(count(a->frm.picTileData, kBack), 256 * 64);
}

TEST(TilesetBits, RenderingThenReadingBackReproducesEveryByte) {
  auto a = makeApp();
  for (size_t i = 0; i < 2048; ++i) a->st.TileBytes[i] = uint8_t((i * 37 + 11) & 0xFF);
  for (int t = 0; t < 256; ++t) a->st.Colormap[size_t(2 + t)] = uint8_t(16 * (t % 16) + 1 + t % 15);
  RenderTileset(*a);
  EXPECT_EQ(TilesetToBytes(*a), a->st.TileBytes);
  const std::string bits = TilesetToBits(*a);
  EXPECT_EQ(bits.substr(0, 24), "000010110011000001010101");  // tile 0: 0B, 30, 55
}

TEST(TileEditor, TheCharacterColourIsTheLastSetPixelInRowOrder) {
  auto a = makeApp();
  a->frm.picMultiColor[0] = 0x123456;
  LoadTileEditor(*a);  // an empty tile keeps the colour
  EXPECT_EQ(a->frm.picMultiColor[0], 0x123456);
  a->frm.picTileSelectedData.setPixel(7, 0, kCyan);
  a->frm.picTileSelectedData.setPixel(0, 1, kBlue);
  LoadTileEditor(*a);
  EXPECT_EQ(a->frm.picMultiColor[0], kBlue);
  EXPECT_EQ(a->frm.picTileBits[7], kCyan);
  EXPECT_EQ(a->st.TilePixels[8], kBlue);
}

TEST(TileEditor, ABlockBrushEditChangesOnlyItsTopLeftTile) {
  auto a = makeApp();
  a->st.TileBytes.clear();
  RenderTileset(*a);
  a->frm.picTileSelected.resize(32, 32);  // a 2 x 2 block from tile 0
  a->frm.picTileBits[3 + 8 * 2] = kPurple;
  CommitTileEdit(*a);
  // The brush shows the tile stretched over the whole block, the sheet only once.
  EXPECT_EQ(count(a->frm.picTileSelected, kPurple), 16);
  EXPECT_EQ(a->frm.picTileSelected.pixel(12, 8), kPurple);
  EXPECT_EQ(count(a->frm.picTileView, kPurple), 4);
  Bytes expected(2048, 0);
  expected[2] = 0x10;
  EXPECT_EQ(TilesetToBytes(*a), expected);
  EXPECT_EQ(a->frm.picMap.pixel(16 * 5 + 6, 16 * 7 + 4), kPurple);  // every cell is tile 0
  EXPECT_TRUE(a->st.TileBytes.empty());  // until a save reads the image back
}
