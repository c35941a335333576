#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "model/App.h"
#include "render/TilesetRender.h"

namespace {

// A palette whose 16 entries all differ, so a pixel's colour names its index.
constexpr std::array<int32_t, 16> kPal = {
    0x000000, 0xFFFFFF, 0x2B3768, 0xB2A470, 0x863D6F, 0x438D58, 0x792835, 0x6FC7B8,
    0x254F6F, 0x003943, 0x59679A, 0x444444, 0x6C6C6C, 0x84D29A, 0xB55E6C, 0x959595};

std::unique_ptr<App> makeApp() {
  auto a = std::make_unique<App>();
  a->st.Palette = kPal;
  a->st.Colormap.fill(1);
  a->st.Colormap[0] = 0x3D;
  a->st.Colormap[1] = 0x32;
  a->st.TilesetFile = "TILE.Blank.PRG";
  return a;
}

void setTileRow(App& a, int tile, int row, uint8_t bits) {
  if (a.st.TileBytes.empty()) a.st.TileBytes.assign(2048, 0);
  a.st.TileBytes[size_t(8 * tile + row)] = bits;
}

}  // namespace

// ---- Drawing the tileset from its bytes

TEST(TilesetImage, SetBitsShowInTheTilesColourAndClearBitsInTheBackground) {
  auto a = makeApp();
  setTileRow(*a, 33, 0, 0x81);  // leftmost and rightmost pixel
  setTileRow(*a, 33, 7, 0x3C);  // pixels 2..5
  a->st.Colormap[2 + 33] = 0x05;
  RenderTileset(*a);

  const Picture& d = a->frm.picTileData;  // tile 33 sits at (8, 8)
  EXPECT_EQ(d.pixel(8, 8), 0x438D58);
  EXPECT_EQ(d.pixel(15, 8), 0x438D58);
  EXPECT_EQ(d.pixel(9, 8), 0x000000);
  EXPECT_EQ(d.pixel(14, 8), 0x000000);
  EXPECT_EQ(d.pixel(9, 15), 0x000000);
  EXPECT_EQ(d.pixel(10, 15), 0x438D58);
  EXPECT_EQ(d.pixel(13, 15), 0x438D58);
  EXPECT_EQ(d.pixel(14, 15), 0x000000);
  EXPECT_EQ(d.pixel(8, 9), 0x000000);
}

TEST(TilesetImage, OnlyTheLowNibbleOfTheColourByteChoosesTheColour) {
  auto a = makeApp();
  for (int row = 0; row < 8; ++row)
    for (int t = 0; t < 3; ++t) setTileRow(*a, t, row, 0xFF);
  a->st.Colormap[2] = 0x15;
  a->st.Colormap[3] = 0x05;
  a->st.Colormap[4] = 0x10;
  RenderTileset(*a);

  const Picture& d = a->frm.picTileData;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      EXPECT_EQ(d.pixel(x, y), 0x438D58);
      EXPECT_EQ(d.pixel(8 + x, y), 0x438D58);
      EXPECT_EQ(d.pixel(16 + x, y), 0x000000);
    }
}

TEST(TilesetImage, TheSheetShowsEveryPixelAsATwoByTwoBlock) {
  auto a = makeApp();
  setTileRow(*a, 255, 0, 0xA0);  // pixels 0 and 2 of the last tile's top row
  a->st.Colormap[2 + 255] = 0x07;
  RenderTileset(*a);

  const Picture& v = a->frm.picTileView;
  ASSERT_EQ(v.width(), 512);
  ASSERT_EQ(v.height(), 128);
  // Tile 255 sits at (496, 112) on the sheet.
  for (int dy = 0; dy < 2; ++dy) {
    EXPECT_EQ(v.pixel(496, 112 + dy), 0x6FC7B8);
    EXPECT_EQ(v.pixel(497, 112 + dy), 0x6FC7B8);
    EXPECT_EQ(v.pixel(498, 112 + dy), 0x000000);
    EXPECT_EQ(v.pixel(499, 112 + dy), 0x000000);
    EXPECT_EQ(v.pixel(500, 112 + dy), 0x6FC7B8);
    EXPECT_EQ(v.pixel(501, 112 + dy), 0x6FC7B8);
    EXPECT_EQ(v.pixel(502, 112 + dy), 0x000000);
  }
  EXPECT_EQ(v.pixel(496, 114), 0x000000);
  EXPECT_EQ(v.pixel(511, 127), 0x000000);
}

TEST(TilesetImage, BeforeAnyTilesetBytesEveryTileIsBackground) {
  auto a = makeApp();
  a->st.Palette[0] = 0x102030;
  a->frm.picTileData.setPixel(3, 3, 0xFFFFFF);
  a->frm.picTileView.setPixel(300, 100, 0xFFFFFF);
  RenderTileset(*a);

  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 256; ++x)
      ASSERT_EQ(a->frm.picTileData.pixel(x, y), 0x102030) << x << "," << y;
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 512; ++x)
      ASSERT_EQ(a->frm.picTileView.pixel(x, y), 0x102030) << x << "," << y;
}

TEST(TilesetImage, ChangingTheBackgroundRecoloursEveryTilesClearPixels) {
  auto a = makeApp();
  setTileRow(*a, 0, 0, 0x80);
  RenderTileset(*a);
  a->st.Palette[0] = 0x0000AA;
  RenderTileset(*a);
  EXPECT_EQ(a->frm.picTileData.pixel(0, 0), 0xFFFFFF);
  EXPECT_EQ(a->frm.picTileData.pixel(1, 0), 0x0000AA);
  EXPECT_EQ(a->frm.picTileData.pixel(255, 63), 0x0000AA);
}

TEST(TilesetImage, ABitmapTilesetIsNeverRedrawnFromBytes) {
  for (const char* name : {"sheet.bmp", "SHEET.BMP", "tiles.Bmp", "mysheetbmp"}) {
    auto a = makeApp();
    a->st.TilesetFile = name;
    a->st.TileBytes.assign(2048, 0xFF);
    a->frm.picTileView.setPixel(10, 10, 0x123456);
    a->frm.picTileData.setPixel(5, 5, 0x654321);
    RenderTileset(*a);
    EXPECT_EQ(a->frm.picTileView.pixel(10, 10), 0x123456) << name;
    EXPECT_EQ(a->frm.picTileView.pixel(0, 0), 0x000000) << name;
    EXPECT_EQ(a->frm.picTileData.pixel(5, 5), 0x654321) << name;
    EXPECT_EQ(a->frm.picTileData.pixel(0, 0), 0x000000) << name;
  }
}

// ---- Turning the image back into bytes

TEST(TilesetBits, BitsFollowTileThenRowThenLeftmostPixelFirst) {
  auto a = makeApp();
  setTileRow(*a, 0, 0, 0x80);
  setTileRow(*a, 1, 1, 0x01);
  setTileRow(*a, 32, 0, 0x40);  // first tile of the second sheet row
  RenderTileset(*a);

  const std::string bits = TilesetToBits(*a);
  ASSERT_EQ(bits.size(), 16384u);
  EXPECT_EQ(bits.substr(0, 8), "10000000");
  EXPECT_EQ(bits.substr(64 + 8, 8), "00000001");
  EXPECT_EQ(bits.substr(64 * 32, 8), "01000000");
  EXPECT_EQ(std::count(bits.begin(), bits.end(), '1'), 3);

  const Bytes bytes = TilesetToBytes(*a);
  ASSERT_EQ(bytes.size(), 2048u);
  EXPECT_EQ(bytes[0], 0x80);
  EXPECT_EQ(bytes[9], 0x01);
  EXPECT_EQ(bytes[256], 0x40);
}

TEST(TilesetBits, ATileInTheBackgroundColourReadsBackEmpty) {
  auto a = makeApp();
  for (int row = 0; row < 8; ++row) {
    setTileRow(*a, 3, row, 0xFF);
    setTileRow(*a, 4, row, 0xFF);
  }
  a->st.Colormap[2 + 3] = 0x20;  // colour index 0
  a->st.Palette[9] = a->st.Palette[0];
  a->st.Colormap[2 + 4] = 0x09;  // a colour equal to the background
  RenderTileset(*a);

  EXPECT_EQ(TilesetToBits(*a).substr(64 * 3, 128), std::string(128, '0'));
  const Bytes bytes = TilesetToBytes(*a);
  for (int i = 24; i < 40; ++i) EXPECT_EQ(bytes[size_t(i)], 0) << i;
}

TEST(TilesetBits, RenderingThenReadingBackReproducesEveryByte) {
  auto a = makeApp();
  a->st.TileBytes.resize(2048);
  for (size_t i = 0; i < 2048; ++i) a->st.TileBytes[i] = uint8_t((i * 37 + 11) & 0xFF);
  for (int t = 0; t < 256; ++t) a->st.Colormap[size_t(2 + t)] = uint8_t(16 * (t % 16) + 1 + t % 15);
  RenderTileset(*a);

  EXPECT_EQ(TilesetToBytes(*a), a->st.TileBytes);
  std::string expected;
  for (uint8_t b : a->st.TileBytes)
    for (int bit = 7; bit >= 0; --bit) expected += ((b >> bit) & 1) ? '1' : '0';
  EXPECT_EQ(TilesetToBits(*a), expected);
}

// ---- The tile editor

TEST(TileEditor, LoadingAnEmptyTileKeepsTheCharacterColour) {
  auto a = makeApp();
  a->frm.picMultiColor[0] = 0x123456;
  a->frm.picTileBits.fill(0x777777);
  LoadTileEditor(*a);
  for (int i = 0; i < 64; ++i) {
    EXPECT_EQ(a->frm.picTileBits[size_t(i)], 0x000000);
    EXPECT_EQ(a->st.TilePixels[size_t(i)], 0x000000);
  }
  EXPECT_EQ(a->frm.picMultiColor[0], 0x123456);
}

TEST(TileEditor, TheCharacterColourIsTheLastSetPixelInRowOrder) {
  auto a = makeApp();
  a->frm.picTileSelectedData.setPixel(7, 0, 0x6FC7B8);
  a->frm.picTileSelectedData.setPixel(0, 1, 0x2B3768);
  LoadTileEditor(*a);
  EXPECT_EQ(a->frm.picMultiColor[0], 0x2B3768);
  EXPECT_EQ(a->frm.picTileBits[7], 0x6FC7B8);
  EXPECT_EQ(a->frm.picTileBits[8], 0x2B3768);
  EXPECT_EQ(a->st.TilePixels[7], 0x6FC7B8);
  EXPECT_EQ(a->st.TilePixels[8], 0x2B3768);
  EXPECT_EQ(a->st.TilePixels[0], 0x000000);
}

TEST(TileEditor, CommittingAPixelReachesBrushSheetOneToOneImageAndMap) {
  auto a = makeApp();
  RenderTileset(*a);  // all background
  a->st.DatamapAt(2, 1) = 33;
  a->frm.shpTileSelected.left = 16;  // tile 33
  a->frm.shpTileSelected.top = 16;
  a->frm.picTileBits.fill(0x000000);
  a->frm.picTileBits[3 + 8 * 2] = 0x863D6F;
  CommitTileEdit(*a);

  EXPECT_EQ(a->frm.picTileSelectedData.pixel(3, 2), 0x863D6F);
  EXPECT_EQ(a->frm.picTileSelectedData.pixel(2, 2), 0x000000);
  EXPECT_EQ(a->frm.picTileSelected.pixel(6, 4), 0x863D6F);
  EXPECT_EQ(a->frm.picTileSelected.pixel(7, 5), 0x863D6F);
  EXPECT_EQ(a->frm.picTileSelected.pixel(8, 4), 0x000000);
  EXPECT_EQ(a->frm.picTileView.pixel(22, 20), 0x863D6F);
  EXPECT_EQ(a->frm.picTileView.pixel(23, 21), 0x863D6F);
  EXPECT_EQ(a->frm.picTileView.pixel(24, 20), 0x000000);
  EXPECT_EQ(a->frm.picTileData.pixel(11, 10), 0x863D6F);
  EXPECT_EQ(a->frm.picTileData.pixel(10, 10), 0x000000);
  EXPECT_EQ(a->frm.picMap.pixel(38, 20), 0x863D6F);
  EXPECT_EQ(a->frm.picMap.pixel(39, 21), 0x863D6F);
  EXPECT_EQ(a->frm.picMap.pixel(6, 4), 0x000000);
  // The bytes stay as they were until a save reads the image back.
  EXPECT_TRUE(a->st.TileBytes.empty());
}

TEST(TileEditor, ABlockBrushEditChangesOnlyItsTopLeftTileOnTheSheet) {
  auto a = makeApp();
  RenderTileset(*a);
  a->frm.picTileSelected.resize(32, 32);  // a 2 x 2 block from tile 0
  a->frm.shpTileSelected.left = 0;
  a->frm.shpTileSelected.top = 0;
  a->frm.picTileBits.fill(0x000000);
  a->frm.picTileBits[3 + 8 * 2] = 0x863D6F;
  CommitTileEdit(*a);

  const Picture& v = a->frm.picTileView;
  EXPECT_EQ(v.pixel(6, 4), 0x863D6F);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (x >= 16 || y >= 16) {
        ASSERT_EQ(v.pixel(x, y), 0x000000) << x << "," << y;
      }
  // The brush shows the tile stretched over the whole block.
  EXPECT_EQ(a->frm.picTileSelected.pixel(12, 8), 0x863D6F);
  EXPECT_EQ(a->frm.picTileSelected.pixel(15, 11), 0x863D6F);
  EXPECT_EQ(a->frm.picTileSelected.pixel(16, 8), 0x000000);
}

TEST(TileEditor, WithHoverPreviewTheHoverImageFollowsTheBrush) {
  auto a = makeApp();
  RenderTileset(*a);
  a->st.HoverPreview = true;
  a->frm.picTileSelected.resize(32, 16);
  a->frm.picTileBits.fill(0x000000);
  a->frm.picTileBits[0] = 0xB2A470;
  CommitTileEdit(*a);

  const Picture& h = a->frm.picTileSelectedHover;
  ASSERT_EQ(h.width(), 32);
  ASSERT_EQ(h.height(), 16);
  EXPECT_EQ(h.pixel(0, 0), 0xB2A470);
  EXPECT_EQ(h.pixel(3, 1), 0xB2A470);
  EXPECT_EQ(h.pixel(4, 0), 0x000000);
  EXPECT_EQ(h.pixel(31, 15), 0x000000);
}

TEST(TileEditor, WithoutHoverPreviewTheHoverImageIsLeftAlone) {
  auto a = makeApp();
  RenderTileset(*a);
  a->frm.picTileSelected.resize(32, 16);
  a->frm.picTileBits.fill(0xB2A470);
  CommitTileEdit(*a);
  EXPECT_EQ(a->frm.picTileSelectedHover.width(), 16);
  EXPECT_EQ(a->frm.picTileSelectedHover.pixel(0, 0), 0x000000);
}
