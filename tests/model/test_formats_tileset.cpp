#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageWriter>

#include "model/Formats.h"

namespace {

Bytes readFixture(const std::string& name) {
  auto bytes = readWholeFile(std::string(MW_FIXTURES) + "/" + name);
  EXPECT_TRUE(bytes.has_value()) << name;
  return bytes.value_or(Bytes{});
}

// The fixtures' pattern (see tests/fixtures/make-fixtures.sh), as 0xRRGGBB.
constexpr uint32_t kFixtureColors[20] = {
    0x000000, 0xFFFFFF, 0x68372B, 0x70A4B2, 0x6F3D86, 0x588D43, 0x352879,
    0xB8C76F, 0x6F4F25, 0x433900, 0x9A6759, 0x444444, 0x6C6C6C, 0x9AD284,
    0x6C5EB5, 0x959595, 0x123456, 0xFEDCBA, 0xC0FFEE, 0x80FF7F};

uint32_t fixtureColor(int x, int y) { return kFixtureColors[(x / 2 + 3 * (y / 2)) % 20]; }

void expectFixturePattern(const std::string& name) {
  const TilesheetBitmap bmp = decodeTilesheetBmp(readFixture(name));
  ASSERT_EQ(bmp.status, TilesheetBitmap::Status::Ok) << name;
  ASSERT_EQ(bmp.image.size(), QSize(512, 128));
  // A few pixels written out, so that a flipped or channel-swapped reader
  // cannot agree with a wrong formula.
  EXPECT_EQ(bmp.image.pixel(0, 0) & 0xFFFFFF, 0x000000u) << name;
  EXPECT_EQ(bmp.image.pixel(2, 0) & 0xFFFFFF, 0xFFFFFFu) << name;
  EXPECT_EQ(bmp.image.pixel(0, 2) & 0xFFFFFF, 0x70A4B2u) << name;
  EXPECT_EQ(bmp.image.pixel(0, 127) & 0xFFFFFF, 0x433900u) << name;    // index 189 mod 20 = 9
  EXPECT_EQ(bmp.image.pixel(511, 127) & 0xFFFFFF, 0x6F3D86u) << name;  // index 444 mod 20 = 4
  int wrong = 0;
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 512; ++x)
      if ((bmp.image.pixel(x, y) & 0xFFFFFF) != fixtureColor(x, y)) ++wrong;
  EXPECT_EQ(wrong, 0) << name;
}

}  // namespace

TEST(TilesetFormat, PrgFileGivesLoadAddressAndTileBytes) {
  Bytes file{0x00, 0x30};
  for (int i = 0; i < 2048; ++i) file.push_back(uint8_t(i * 7));
  const TilesetData d = decodePrgTileset(file);
  EXPECT_EQ(d.loadLo, 0x00);
  EXPECT_EQ(d.loadHi, 0x30);
  ASSERT_EQ(d.tiles.size(), 2048u);
  EXPECT_EQ(d.tiles[0], 0x00);
  EXPECT_EQ(d.tiles[1], 0x07);
  EXPECT_EQ(d.tiles[2047], 0xF9);  // 2047 * 7 = 14329 = 0x37F9
}

TEST(TilesetFormat, PrgRoundTripIsByteExact) {
  Bytes file{0x00, 0x30};
  for (int i = 0; i < 2048; ++i) file.push_back(uint8_t(255 - i % 256));
  const TilesetData d = decodePrgTileset(file);
  EXPECT_EQ(encodePrgTileset(d.loadLo, d.loadHi, d.tiles), file);
}

TEST(TilesetFormat, ChrIsThePrgWithoutItsAddress) {
  Bytes tiles(2048);
  for (int i = 0; i < 2048; ++i) tiles[size_t(i)] = uint8_t(i % 251);
  const Bytes prg = encodePrgTileset(0x00, 0x40, tiles);
  const Bytes chr = encodeChrTileset(tiles);
  ASSERT_EQ(prg.size(), 2050u);
  ASSERT_EQ(chr.size(), 2048u);
  EXPECT_EQ(Bytes(prg.begin() + 2, prg.end()), chr);
  EXPECT_EQ(prg[0], 0x00);
  EXPECT_EQ(prg[1], 0x40);
}

TEST(TilesetFormat, ShortChrLeavesLaterTilesEmpty) {
  const Bytes file(1000, 0xAA);
  const TilesetData d = decodeChrTileset(file);
  ASSERT_EQ(d.tiles.size(), 2048u);
  EXPECT_EQ(d.tiles[999], 0xAA);   // tile 124, last row
  EXPECT_EQ(d.tiles[1000], 0x00);  // tile 125
  EXPECT_EQ(d.tiles[2047], 0x00);
}

TEST(TilesetFormat, LongChrKeepsOnlyTheFirst256Tiles) {
  Bytes file(4096, 0x11);
  file[2047] = 0x5A;
  file[2048] = 0xFF;
  const TilesetData d = decodeChrTileset(file);
  ASSERT_EQ(d.tiles.size(), 2048u);
  EXPECT_EQ(d.tiles[2047], 0x5A);
  EXPECT_EQ(encodeChrTileset(d.tiles), Bytes(file.begin(), file.begin() + 2048));
}

TEST(TilesetFormat, PrgShorterThanItsAddressReadsAsEmpty) {
  const TilesetData d = decodePrgTileset(Bytes{0x42});
  EXPECT_EQ(d.loadLo, 0);
  EXPECT_EQ(d.loadHi, 0);
  EXPECT_EQ(d.tiles, Bytes(2048, 0));
}

TEST(TilesetBitmap, BitmapsOfAnotherToolLoadWithExactColours) {
  expectFixturePattern("sheet-24bit-bottomup.bmp");
  expectFixturePattern("sheet-24bit-topdown.bmp");
  expectFixturePattern("sheet-8bit-bottomup.bmp");
  expectFixturePattern("sheet-8bit-topdown.bmp");
  expectFixturePattern("sheet-8bit-rle.bmp");
}

TEST(TilesetBitmap, WrongSizeIsReportedWithTheBitmapsSize) {
  const TilesheetBitmap bmp = decodeTilesheetBmp(readFixture("sheet-256x64.bmp"));
  EXPECT_EQ(bmp.status, TilesheetBitmap::Status::WrongSize);
  EXPECT_EQ(bmp.width, 256);
  EXPECT_EQ(bmp.height, 64);
}

TEST(TilesetBitmap, HugeClaimedSizeIsRefusedWithoutDecoding) {
  Bytes file = readFixture("sheet-24bit-bottomup.bmp");
  ASSERT_GE(file.size(), 26u);
  // Width 100000, height 100000: the pixel data could never be allocated.
  const uint8_t big[4] = {0xA0, 0x86, 0x01, 0x00};
  std::copy(big, big + 4, file.begin() + 18);
  std::copy(big, big + 4, file.begin() + 22);
  const TilesheetBitmap bmp = decodeTilesheetBmp(file);
  EXPECT_NE(bmp.status, TilesheetBitmap::Status::Ok);
}

TEST(TilesetBitmap, OtherDataIsNoBitmap) {
  EXPECT_EQ(decodeTilesheetBmp(Bytes{}).status, TilesheetBitmap::Status::Invalid);
  EXPECT_EQ(decodeTilesheetBmp(Bytes(2050, 0x00)).status, TilesheetBitmap::Status::Invalid);
  // A PNG is a picture, but not a Windows bitmap.
  QImage img(512, 128, QImage::Format_RGB32);
  img.fill(0x123456);
  QByteArray png;
  QBuffer buf(&png);
  buf.open(QIODevice::WriteOnly);
  ASSERT_TRUE(QImageWriter(&buf, "png").write(img));
  EXPECT_EQ(decodeTilesheetBmp(Bytes(png.begin(), png.end())).status,
            TilesheetBitmap::Status::Invalid);
}

TEST(TilesetBitmap, TruncatedPixelDataIsRefusedOrReadSafely) {
  const Bytes full = readFixture("sheet-24bit-bottomup.bmp");
  // Header intact, pixels cut off: must not read past the buffer.
  for (size_t len : {size_t(14), size_t(54), size_t(1000), full.size() / 2, full.size() - 1}) {
    const Bytes cut(full.begin(), full.begin() + std::ptrdiff_t(len));
    const TilesheetBitmap bmp = decodeTilesheetBmp(cut);
    if (bmp.status == TilesheetBitmap::Status::Ok) {
      EXPECT_EQ(bmp.image.size(), QSize(512, 128));
    }
  }
}
