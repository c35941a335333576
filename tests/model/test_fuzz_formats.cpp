#include <gtest/gtest.h>

#include <QtGlobal>
#include <random>

#include "model/Formats.h"

// Random and mutated inputs for every decoder: under the sanitizers a read past
// a buffer fails the run, and every accepted result must still be well formed.

namespace {

// Qt's image reader warns about every broken header; thousands of lines of it
// would only hide a real failure.
struct QuietQt {
  QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&,
                                                        const QString&) {});
  ~QuietQt() { qInstallMessageHandler(previous); }
};

Bytes randomBytes(std::mt19937& rng, size_t n) {
  Bytes b(n);
  for (auto& v : b) v = uint8_t(rng());
  return b;
}

// Flips, overwrites, truncates or extends a valid file.
Bytes mutate(std::mt19937& rng, Bytes b) {
  switch (rng() % 4) {
    case 0:
      for (int i = 0, n = 1 + int(rng() % 8); i < n && !b.empty(); ++i)
        b[rng() % b.size()] ^= uint8_t(1u << (rng() % 8));
      break;
    case 1:
      for (int i = 0, n = 1 + int(rng() % 4); i < n && !b.empty(); ++i)
        b[rng() % b.size()] = uint8_t(rng());
      break;
    case 2:
      b.resize(b.empty() ? 0 : rng() % b.size());
      break;
    default:
      b.resize(b.size() + rng() % 64, uint8_t(rng()));
      break;
  }
  return b;
}

Bytes fixture(const char* name) {
  return readWholeFile(std::string(MW_FIXTURES) + "/" + name).value_or(Bytes{});
}

void checkAllDecoders(const Bytes& input) {
  const TilesetData prg = decodePrgTileset(input);
  ASSERT_EQ(prg.tiles.size(), 2048u);
  ASSERT_EQ(decodeChrTileset(input).tiles.size(), 2048u);
  if (const auto d = decodeDatamap(input)) {
    ASSERT_GE(d->width, 1);
    ASSERT_LE(d->width, 256);
    ASSERT_GE(d->height, 1);
    ASSERT_LE(d->height, 128);
    ASSERT_EQ(encodeDatamapExport(d->cells, d->width, d->height).size(),
              2u + size_t(d->width) * size_t(d->height));
  } else {
    ASSERT_LT(input.size(), 4u);
  }
  const auto c = decodeColormap(input);
  ASSERT_EQ(bool(c), input.size() == 258 || input.size() == 262);
  (void)decodeDatatype(input);
  const TilesheetBitmap bmp = decodeTilesheetBmp(input);
  if (bmp.status == TilesheetBitmap::Status::Ok) {
    ASSERT_EQ(bmp.image.size(), QSize(512, 128));
  }
}

}  // namespace

TEST(HostileInput, RandomBytesOfEverySizeDecodeSafely) {
  QuietQt quiet;
  std::mt19937 rng(20240611);
  for (size_t n : {0, 1, 2, 3, 4, 5, 257, 258, 259, 262, 2049, 2050, 2051, 32771, 32772,
                   32773, 70000})
    checkAllDecoders(randomBytes(rng, n));
  for (int i = 0; i < 200; ++i) checkAllDecoders(randomBytes(rng, rng() % 3000));
}

TEST(HostileInput, MutatedFilesDecodeSafely) {
  QuietQt quiet;
  std::mt19937 rng(77);
  std::vector<Bytes> seeds = {
      encodePrgTileset(0x00, 0x30, Bytes(2048, 0x3C)),
      encodeDatamap(0x00, 0x40, 40, 25, CellArray{}),
  };
  std::array<uint8_t, 258> cmap{};
  cmap.fill(1);
  seeds.push_back(encodeColormap(cmap));
  for (const char* f : {"sheet-24bit-bottomup.bmp", "sheet-8bit-topdown.bmp",
                        "sheet-8bit-rle.bmp", "sheet-256x64.bmp"})
    seeds.push_back(fixture(f));
  for (const Bytes& seed : seeds) {
    ASSERT_FALSE(seed.empty());
    for (int i = 0; i < 60; ++i) checkAllDecoders(mutate(rng, seed));
  }
}

TEST(HostileInput, BitmapHeadersWithEveryFieldCorruptedDecodeSafely) {
  // Each byte of the two headers (and the first palette entries) set to the
  // values that most often break a reader: 0, 1, 0x7F, 0x80, 0xFF.
  QuietQt quiet;
  const Bytes seeds[] = {fixture("sheet-8bit-bottomup.bmp"), fixture("sheet-8bit-rle.bmp"),
                         fixture("sheet-24bit-topdown.bmp")};
  for (const Bytes& seed : seeds) {
    ASSERT_GT(seed.size(), 70u);
    for (size_t at = 0; at < 70; ++at)
      for (uint8_t v : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
        Bytes b = seed;
        b[at] = v;
        const TilesheetBitmap bmp = decodeTilesheetBmp(b);
        if (bmp.status == TilesheetBitmap::Status::Ok) {
          ASSERT_EQ(bmp.image.size(), QSize(512, 128));
        }
      }
  }
}
