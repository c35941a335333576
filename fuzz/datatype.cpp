#include <algorithm>
#include <cstring>

#include "FuzzTarget.h"
#include "model/Formats.h"

// A datatype file: the 256 x 128 tag bytes; short files zero-filled.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const CellArray tags = decodeDatatype(bytesOf(data, size));
  const Bytes file = encodeDatatype(tags);
  FUZZ_CHECK(file.size() == kDatatypeFileBytes);
  const size_t have = std::min(size, file.size());
  FUZZ_CHECK(std::memcmp(file.data(), data, have) == 0);
  FUZZ_CHECK(std::all_of(file.begin() + have, file.end(), [](uint8_t c) { return c == 0; }));
  // The map size comes from the first two bytes, so that exports of every size are tried.
  const int w = size > 0 ? 1 + data[0] : 1, h = size > 1 ? 1 + data[1] % 128 : 1;
  FUZZ_CHECK(encodeDatatypeExport(tags, w, h).size() == size_t(w) * size_t(h));
  return 0;
}
