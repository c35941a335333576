#include <algorithm>
#include <cstring>

#include "FuzzTarget.h"
#include "model/Formats.h"

// A datamap file: load address, width and height bytes, 256 x 128 cells.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto d = decodeDatamap(bytesOf(data, size));
  FUZZ_CHECK(bool(d) == (size >= 4));
  if (!d) return 0;
  FUZZ_CHECK(d->width >= 1 && d->width <= 256 && d->height >= 1 && d->height <= 128);
  FUZZ_CHECK(d->loadLo == data[0] && d->loadHi == data[1]);
  FUZZ_CHECK(d->widthByte == data[2] && d->heightByte == data[3]);
  const size_t have = std::min(size - 4, d->cells.size());
  FUZZ_CHECK(std::memcmp(d->cells.data(), data + 4, have) == 0);
  FUZZ_CHECK(std::all_of(d->cells.begin() + have, d->cells.end(), [](uint8_t c) { return c == 0; }));
  const Bytes file = encodeDatamap(d->loadLo, d->loadHi, d->width, d->height, d->cells);
  FUZZ_CHECK(file.size() == kDatamapFileBytes);
  const auto back = decodeDatamap(file);
  FUZZ_CHECK(back && back->width == d->width && back->height == d->height && back->cells == d->cells);
  const Bytes exported = encodeDatamapExport(d->cells, d->width, d->height);
  FUZZ_CHECK(exported.size() == 2 + size_t(d->width) * size_t(d->height));
  return 0;
}
