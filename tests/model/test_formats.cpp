#include <gtest/gtest.h>

#include "model/Formats.h"
#include "support/DocumentFilesHelpers.h"
#include "support/TestFiles.h"

namespace {

Bytes datamapFile(uint8_t w, uint8_t h, size_t cells) {
  Bytes file{0x00, 0x40, w, h};
  for (size_t i = 0; i < cells; ++i) file.push_back(uint8_t(i % 253));
  return file;
}

}  // namespace

TEST(TilesetFormat, ShortTileDataIsZeroFilledAndLongDataCut) {
  const TilesetData noAddress = decodePrgTileset(Bytes{0x42});
  EXPECT_EQ(noAddress.loadLo, 0);
  EXPECT_EQ(noAddress.loadHi, 0);
  EXPECT_EQ(noAddress.tiles, Bytes(2048, 0));
  const Bytes shortChr = decodeChrTileset(Bytes(1000, 0xAA)).tiles;
  ASSERT_EQ(shortChr.size(), 2048u);
  EXPECT_EQ(shortChr[999], 0xAA);
  EXPECT_EQ(shortChr[1000], 0x00);
  EXPECT_EQ(encodePrgTileset(0x00, 0x30, Bytes(3000, 0x11)).size(), 2050u);
}

TEST(DatamapFormat, SizeBytesReadAsTheMapSizeWithinTheDatamap) {
  struct { uint8_t w, h; int16_t width, height; } rows[] = {
      {40, 25, 40, 25}, {255, 127, 256, 128}, {0, 0, 1, 1},     {254, 128, 254, 128},
      {1, 129, 1, 128}, {10, 200, 10, 128},   {10, 255, 10, 128}};
  for (const auto& r : rows) {
    const auto d = decodeDatamap(datamapFile(r.w, r.h, 0));
    ASSERT_TRUE(d);
    EXPECT_EQ(d->width, r.width) << int(r.w);
    EXPECT_EQ(d->height, r.height) << int(r.h);
    EXPECT_EQ(d->widthByte, r.w);  // the file's own bytes are kept
    EXPECT_EQ(d->heightByte, r.h);
  }
}

TEST(DatamapFormat, FullSizeIsWrittenAs255And127) {
  const Bytes full = encodeDatamap(0x00, 0x20, 256, 128, CellArray{});
  ASSERT_EQ(full.size(), 32772u);
  EXPECT_EQ(Bytes(full.begin(), full.begin() + 4), (Bytes{0x00, 0x20, 0xFF, 0x7F}));
  const Bytes small = encodeDatamap(0x00, 0x40, 40, 25, CellArray{});
  EXPECT_EQ(Bytes(small.begin(), small.begin() + 4), (Bytes{0x00, 0x40, 0x28, 0x19}));
}

TEST(DatamapFormat, HeaderIsNeededAndShortCellDataIsZeroFilled) {
  EXPECT_FALSE(decodeDatamap(Bytes{}));
  EXPECT_FALSE(decodeDatamap(Bytes{0x00, 0x40, 40}));
  const auto d = decodeDatamap(datamapFile(40, 25, 10));
  ASSERT_TRUE(d);
  EXPECT_EQ(d->cells[9], 9);
  EXPECT_EQ(d->cells[10], 0);
  EXPECT_EQ(d->cells[32767], 0);
}

TEST(DatamapExport, FortyByTwentyFiveIs1002BytesAt5000RowByRow) {
  CellArray cells{};
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 256; ++x) cells[size_t(x + 256 * y)] = uint8_t(x + 3 * y);
  const Bytes out = encodeDatamapExport(cells, 40, 25);
  ASSERT_EQ(out.size(), 1002u);
  EXPECT_EQ(Bytes(out.begin(), out.begin() + 5), (Bytes{0x00, 0x50, 0, 1, 2}));
  EXPECT_EQ(out[41], 39);     // (39, 0)
  EXPECT_EQ(out[42], 3);      // (0, 1)
  EXPECT_EQ(out[1001], 111);  // (39, 24): 39 + 72
  EXPECT_EQ(encodeDatamapExport(cells, 300, 500).size(), 2u + 256u * 128u);
}

TEST(ColormapFormat, OnlyTheTwoColormapSizesAreAccepted) {
  for (size_t n : {0, 1, 257, 259, 261, 263, 2050}) EXPECT_FALSE(decodeColormap(Bytes(n, 1))) << n;
}

TEST(TilesetBitmap, BitmapsOfAnotherToolLoadWithExactColours) {
  // The fixtures' pattern: pixel (x, y) has colour (x div 2 + 3 (y div 2)) mod 20.
  constexpr uint32_t colors[20] = {
      0x000000, 0xFFFFFF, 0x68372B, 0x70A4B2, 0x6F3D86, 0x588D43, 0x352879,
      0xB8C76F, 0x6F4F25, 0x433900, 0x9A6759, 0x444444, 0x6C6C6C, 0x9AD284,
      0x6C5EB5, 0x959595, 0x123456, 0xFEDCBA, 0xC0FFEE, 0x80FF7F};
  for (const char* name : {"sheet-24bit-bottomup.bmp", "sheet-24bit-topdown.bmp",
                           "sheet-8bit-bottomup.bmp", "sheet-8bit-topdown.bmp",
                           "sheet-8bit-rle.bmp"}) {
    const TilesheetBitmap bmp = decodeTilesheetBmp(readBytes(fixturePath(name)));
    ASSERT_EQ(bmp.status, TilesheetBitmap::Status::Ok) << name;
    ASSERT_EQ(bmp.image.size(), QSize(512, 128));
    // Written out too, so a flipped or channel-swapped reader cannot agree with a wrong formula.
    EXPECT_EQ(bmp.image.pixel(0, 2) & 0xFFFFFF, 0x70A4B2u) << name;
    EXPECT_EQ(bmp.image.pixel(0, 127) & 0xFFFFFF, 0x433900u) << name;
    EXPECT_EQ(bmp.image.pixel(511, 127) & 0xFFFFFF, 0x6F3D86u) << name;
    int wrong = 0;
    for (int y = 0; y < 128; ++y)
      for (int x = 0; x < 512; ++x)
        wrong += (bmp.image.pixel(x, y) & 0xFFFFFF) != colors[(x / 2 + 3 * (y / 2)) % 20];
    EXPECT_EQ(wrong, 0) << name;
  }
}

TEST(TilesetBitmap, WrongSizeHugeSizeAndOtherDataAreRefused) {
  const TilesheetBitmap small = decodeTilesheetBmp(readBytes(fixturePath("sheet-256x64.bmp")));
  EXPECT_EQ(small.status, TilesheetBitmap::Status::WrongSize);
  EXPECT_EQ(small.width, 256);
  EXPECT_EQ(small.height, 64);
  // Width and height 100000: pixel data that could never be allocated.
  Bytes huge = readBytes(fixturePath("sheet-24bit-bottomup.bmp"));
  ASSERT_GE(huge.size(), 26u);
  const uint8_t big[4] = {0xA0, 0x86, 0x01, 0x00};
  for (size_t i = 0; i < 8; ++i) huge[18 + i] = big[i % 4];
  const TilesheetBitmap hugeSize = decodeTilesheetBmp(huge);
  EXPECT_EQ(hugeSize.status, TilesheetBitmap::Status::WrongSize);
  EXPECT_EQ(hugeSize.width, 100000);
  // The size is known from the headers alone, before any pixel.
  const Bytes headers = readBytes(fixturePath("sheet-256x64.bmp"));
  const TilesheetBitmap noPixels = decodeTilesheetBmp(Bytes(headers.begin(), headers.begin() + 54));
  EXPECT_EQ(std::tuple(noPixels.status, noPixels.width, noPixels.height),
            std::tuple(TilesheetBitmap::Status::WrongSize, 256, 64));
  EXPECT_EQ(decodeTilesheetBmp(Bytes{}).status, TilesheetBitmap::Status::Invalid);
  EXPECT_EQ(decodeTilesheetBmp(Bytes(2050, 0)).status, TilesheetBitmap::Status::Invalid);
}
