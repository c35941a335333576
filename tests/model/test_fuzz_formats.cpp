#include <gtest/gtest.h>

#include "model/Formats.h"
#include "support/DocumentFilesHelpers.h"
#include "support/TestFiles.h"

// Random and mutated inputs for every decoder: under the sanitizers a read past
// a buffer fails the run, and every accepted result must still be well formed.

namespace {

void checkAllDecoders(const Bytes& input) {
  ASSERT_EQ(decodePrgTileset(input).tiles.size(), 2048u);
  ASSERT_EQ(decodeChrTileset(input).tiles.size(), 2048u);
  if (const auto d = decodeDatamap(input)) {
    ASSERT_TRUE(d->width >= 1 && d->width <= 256 && d->height >= 1 && d->height <= 128);
    ASSERT_EQ(encodeDatamapExport(d->cells, d->width, d->height).size(),
              2u + size_t(d->width) * size_t(d->height));
  } else {
    ASSERT_LT(input.size(), 4u);
  }
  ASSERT_EQ(bool(decodeColormap(input)), input.size() == 258 || input.size() == 262);
  (void)decodeDatatype(input);
  const TilesheetBitmap bmp = decodeTilesheetBmp(input);
  ASSERT_TRUE(bmp.status != TilesheetBitmap::Status::Ok || bmp.image.size() == QSize(512, 128));
}

}  // namespace

TEST(HostileInput, RandomBytesOfEverySizeDecodeSafely) {
  QuietQt quiet;
  std::mt19937 rng(20240611);
  for (size_t n : {0, 1, 2, 3, 4, 5, 257, 258, 262, 2049, 2050, 2051, 32771, 32772, 70000})
    checkAllDecoders(randomBytes(rng, n));
  for (int i = 0; i < 200; ++i) checkAllDecoders(randomBytes(rng, rng() % 3000));
}

TEST(HostileInput, MutatedFilesDecodeSafely) {
  QuietQt quiet;
  std::mt19937 rng(77);
  std::vector<Bytes> seeds = {encodePrgTileset(0x00, 0x30, Bytes(2048, 0x3C)),
                              encodeDatamap(0x00, 0x40, 40, 25, CellArray{}), Bytes(258, 1)};
  for (const char* f : {"sheet-24bit-bottomup.bmp", "sheet-8bit-topdown.bmp",
                        "sheet-8bit-rle.bmp", "sheet-256x64.bmp"})
    seeds.push_back(readBytes(fixturePath(f)));
  for (const Bytes& seed : seeds) {
    ASSERT_FALSE(seed.empty());
    for (int i = 0; i < 60; ++i) checkAllDecoders(mutate(rng, seed));
  }
}

TEST(HostileInput, BitmapHeadersWithEveryFieldCorruptedDecodeSafely) {
  // Each byte of the two headers and the first palette entries set to the
  // values that most often break a reader.
  QuietQt quiet;
  for (const char* f :
       {"sheet-8bit-bottomup.bmp", "sheet-8bit-rle.bmp", "sheet-24bit-topdown.bmp"}) {
    const Bytes seed = readBytes(fixturePath(f));
    ASSERT_GT(seed.size(), 70u);
    for (size_t at = 0; at < 70; ++at)
      for (uint8_t v : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
        Bytes b = seed;
        b[at] = v;
        checkAllDecoders(b);
      }
  }
}
