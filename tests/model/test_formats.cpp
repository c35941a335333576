#include <gtest/gtest.h>

#include "model/Formats.h"
#include "support/DocumentFilesHelpers.h"
#include "support/TestFiles.h"

TEST(DatamapFormat, SizeBytesReadAsTheMapSizeWithinTheDatamap) {
  struct { uint8_t w, h; int16_t width, height; } rows[] = {
      {40, 25, 40, 25}, {255, 127, 256, 128}, {0, 0, 1, 1},     {254, 128, 254, 128},
      {1, 129, 1, 128}, {10, 200, 10, 128},   {10, 255, 10, 128}};
  for (const auto& r : rows) {
    const auto d = decodeDatamap(Bytes{0x00, 0x40, r.w, r.h, 9});
    ASSERT_TRUE(d);
    EXPECT_EQ(std::tuple(d->width, d->height), std::tuple(r.width, r.height)) << int(r.w);
    EXPECT_EQ(std::tuple(d->widthByte, d->heightByte), std::tuple(r.w, r.h));  // kept as read
    EXPECT_EQ(std::tuple(d->cells[0], d->cells[1], d->cells[32767]), std::tuple(9, 0, 0));
  }
  EXPECT_EQ(encodeDatamap(0x01, 0x40, 40, 25, CellArray{})[0], 0x01);  // any load address, kept
}

TEST(TilesetBitmap, BitmapsOfAnotherToolLoadWithExactColours) {
  // The fixtures' pattern: pixel (x, y) has colour (x div 2 + 3 (y div 2)) mod 20.
  constexpr uint32_t colors[20] = {
      0x000000, 0xFFFFFF, 0x68372B, 0x70A4B2, 0x6F3D86, 0x588D43, 0x352879,
      0xB8C76F, 0x6F4F25, 0x433900, 0x9A6759, 0x444444, 0x6C6C6C, 0x9AD284,
      0x6C5EB5, 0x959595, 0x123456, 0xFEDCBA, 0xC0FFEE, 0x80FF7F};
  // And a 32-bit sheet, the largest the loader must read whole: headers, rows bottom-up, BGR0.
  Bytes deep{'B', 'M'};
  for (uint32_t v : {262198u, 0u, 54u, 40u, 512u, 128u, 0x200001u, 0u, 262144u, 0u, 0u, 0u, 0u})
    for (int i = 0; i < 4; ++i) deep.push_back(uint8_t(v >> 8 * i));
  for (int y = 127; y >= 0; --y)
    for (int x = 0; x < 512; ++x)
      for (int i = 0; i < 4; ++i)
        deep.push_back(uint8_t(i < 3 ? colors[(x / 2 + 3 * (y / 2)) % 20] >> 8 * i : 0));
  ASSERT_LE(deep.size(), kTilesheetBmpMaxBytes);
  for (const char* name : {"sheet-24bit-bottomup.bmp", "sheet-24bit-topdown.bmp",
                           "sheet-8bit-bottomup.bmp", "sheet-8bit-topdown.bmp",
                           "sheet-8bit-rle.bmp", "sheet-8bit-os2.bmp", ""}) {  // "": 32-bit
    const TilesheetBitmap bmp = decodeTilesheetBmp(*name ? readBytes(fixturePath(name)) : deep);
    ASSERT_EQ(bmp.status, TilesheetBitmap::Status::Ok) << name;
    ASSERT_EQ(bmp.image.size(), QSize(512, 128));
    int wrong = 0;
    for (int y = 0; y < 128; ++y)
      for (int x = 0; x < 512; ++x)
        wrong += (bmp.image.pixel(x, y) & 0xFFFFFF) != colors[(x / 2 + 3 * (y / 2)) % 20];
    EXPECT_EQ(wrong, 0) << name;
  }
}
