#include "FuzzTarget.h"
#include "model/Formats.h"

// A colormap file: 258 bytes, or 262 of which the first 258 count.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto c = decodeColormap(bytesOf(data, size));
  FUZZ_CHECK(bool(c) == (size == 258 || size == 262));
  if (!c) return 0;
  for (size_t i = 0; i < c->size(); ++i) FUZZ_CHECK((*c)[i] == data[i]);
  const Bytes file = encodeColormap(*c);
  FUZZ_CHECK(file.size() == 258 && file[0] == data[0] && file[1] == data[1]);
  for (size_t i = 2; i < file.size(); ++i)
    FUZZ_CHECK(file[i] == (data[i] == 0 ? 1 : data[i]) && (*c)[i] == file[i]);
  return 0;
}
