#include <gtest/gtest.h>

#include "model/Formats.h"

namespace {

Bytes datamapFile(uint8_t w, uint8_t h, size_t cells = 32768) {
  Bytes file{0x00, 0x40, w, h};
  for (size_t i = 0; i < cells; ++i) file.push_back(uint8_t(i % 253));
  return file;
}

}  // namespace

// ---- Datamap

TEST(DatamapFormat, FullSizeMapIsWrittenWith255And127) {
  CellArray cells{};
  const Bytes file = encodeDatamap(0x00, 0x20, 256, 128, cells);
  ASSERT_EQ(file.size(), 32772u);
  EXPECT_EQ(file[0], 0x00);
  EXPECT_EQ(file[1], 0x20);
  EXPECT_EQ(file[2], 255);
  EXPECT_EQ(file[3], 127);
  const auto d = decodeDatamap(file);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->width, 256);
  EXPECT_EQ(d->height, 128);
  EXPECT_EQ(d->widthByte, 255);
  EXPECT_EQ(d->heightByte, 127);
}

TEST(DatamapFormat, SmallMapIsWrittenWithItsOwnSize) {
  CellArray cells{};
  const Bytes file = encodeDatamap(0, 0, 40, 25, cells);
  EXPECT_EQ(file[2], 40);
  EXPECT_EQ(file[3], 25);
  const auto d = decodeDatamap(file);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->width, 40);
  EXPECT_EQ(d->height, 25);
}

TEST(DatamapFormat, Map255WideOr127HighReadsBackFullSize) {
  const auto d = decodeDatamap(encodeDatamap(0, 0, 255, 127, CellArray{}));
  ASSERT_TRUE(d);
  EXPECT_EQ(d->width, 256);
  EXPECT_EQ(d->height, 128);
}

TEST(DatamapFormat, CellsOutsideTheUsedAreaSurviveARoundTrip) {
  const Bytes file = datamapFile(40, 25);
  const auto d = decodeDatamap(file);
  ASSERT_TRUE(d);
  // Cell (200, 100) lies far outside a 40 x 25 map: offset 4 + 200 + 25600.
  EXPECT_EQ(d->cells[200 + 256 * 100], uint8_t((200 + 25600) % 253));
  EXPECT_EQ(encodeDatamap(d->loadLo, d->loadHi, d->width, d->height, d->cells), file);
}

TEST(DatamapFormat, SizeByteZeroReadsAsOne) {
  const auto d = decodeDatamap(datamapFile(0, 0));
  ASSERT_TRUE(d);
  EXPECT_EQ(d->width, 1);
  EXPECT_EQ(d->height, 1);
  EXPECT_EQ(d->widthByte, 0);  // the file's bytes are kept as they were
  EXPECT_EQ(d->heightByte, 0);
}

TEST(DatamapFormat, HeightPastTheDatamapIsCutTo128) {
  for (uint8_t h : {uint8_t(128), uint8_t(200), uint8_t(254), uint8_t(255)}) {
    const auto d = decodeDatamap(datamapFile(10, h));
    ASSERT_TRUE(d);
    EXPECT_EQ(d->height, 128) << int(h);
    EXPECT_EQ(d->heightByte, h);
  }
}

TEST(DatamapFormat, ShortFileIsZeroFilledAfterAValidHeader) {
  const auto d = decodeDatamap(datamapFile(40, 25, 10));
  ASSERT_TRUE(d);
  EXPECT_EQ(d->cells[9], 9);
  EXPECT_EQ(d->cells[10], 0);
  EXPECT_EQ(d->cells[32767], 0);
}

TEST(DatamapFormat, FileShorterThanItsHeaderIsRefused) {
  EXPECT_FALSE(decodeDatamap(Bytes{}));
  EXPECT_FALSE(decodeDatamap(Bytes{0x00, 0x40, 40}));
  EXPECT_TRUE(decodeDatamap(Bytes{0x00, 0x40, 40, 25}));
}

TEST(DatamapFormat, LongerFileIsReadOnlyAsFarAsTheFormatReaches) {
  Bytes file = datamapFile(40, 25);
  file.resize(40000, 0xEE);
  const auto d = decodeDatamap(file);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->cells[32767], uint8_t(32767 % 253));
}

TEST(DatamapExport, FortyByTwentyFiveIs1002BytesRowByRow) {
  CellArray cells{};
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 256; ++x) cells[size_t(x + 256 * y)] = uint8_t(x + 3 * y);
  const Bytes out = encodeDatamapExport(cells, 40, 25);
  ASSERT_EQ(out.size(), 1002u);
  EXPECT_EQ(out[0], 0x00);
  EXPECT_EQ(out[1], 0x50);
  EXPECT_EQ(out[2], 0);        // (0, 0)
  EXPECT_EQ(out[41], 39);      // (39, 0)
  EXPECT_EQ(out[42], 3);       // (0, 1)
  EXPECT_EQ(out[1001], 111);   // (39, 24): 39 + 72
}

TEST(DatamapExport, SizesBeyondTheDatamapAreCut) {
  const Bytes out = encodeDatamapExport(CellArray{}, 300, 500);
  EXPECT_EQ(out.size(), 2u + 256u * 128u);
}

// ---- Colormap

TEST(ColormapFormat, Accepts258And262BytesOnly) {
  Bytes file(258, 0x05);
  file[0] = 0x3D;
  file[1] = 0x32;
  auto c = decodeColormap(file);
  ASSERT_TRUE(c);
  EXPECT_EQ((*c)[0], 0x3D);
  EXPECT_EQ((*c)[257], 0x05);

  Bytes longer(262, 0x07);
  longer[258] = 0xAB;
  c = decodeColormap(longer);
  ASSERT_TRUE(c);
  EXPECT_EQ((*c)[257], 0x07);

  for (size_t n : {size_t(0), size_t(257), size_t(259), size_t(261), size_t(263), size_t(2050)})
    EXPECT_FALSE(decodeColormap(Bytes(n, 1))) << n;
}

TEST(ColormapFormat, ColourZeroIsWrittenAsOneAndKeptSo) {
  std::array<uint8_t, 258> c{};
  c.fill(0x0E);
  c[0] = 0x00;
  c[1] = 0xC0;
  c[7] = 0x00;  // tile 5
  const Bytes out = encodeColormap(c);
  ASSERT_EQ(out.size(), 258u);
  EXPECT_EQ(out[0], 0x00);  // the load address is not a colour
  EXPECT_EQ(out[1], 0xC0);
  EXPECT_EQ(out[7], 0x01);
  EXPECT_EQ(out[8], 0x0E);
  EXPECT_EQ(c[7], 0x01);
}

// ---- Datatype

TEST(DatatypeFormat, RoundTripIsByteExact) {
  Bytes file(32768);
  for (size_t i = 0; i < file.size(); ++i) file[i] = uint8_t(i * 31 % 256);
  EXPECT_EQ(encodeDatatype(decodeDatatype(file)), file);
}

TEST(DatatypeFormat, ShortFileIsZeroFilled) {
  const CellArray tags = decodeDatatype(Bytes(5, 0x09));
  EXPECT_EQ(tags[4], 0x09);
  EXPECT_EQ(tags[5], 0x00);
}

TEST(DatatypeExport, HoldsTheUsedCellsOnly) {
  CellArray tags{};
  tags[0] = 0x21;
  tags[1] = 0x22;
  tags[256] = 0x31;
  tags[257] = 0x32;
  tags[2] = 0x99;  // outside a 2 x 2 map
  EXPECT_EQ(encodeDatatypeExport(tags, 2, 2), (Bytes{0x21, 0x22, 0x31, 0x32}));
  EXPECT_EQ(encodeDatatypeExport(tags, 1, 1), (Bytes{0x21}));
}
