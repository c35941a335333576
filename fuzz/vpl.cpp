#include "FuzzTarget.h"
#include "model/Palettes.h"

// A .vpl palette text: at most 16 colours, each three bytes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<int32_t> colors = parseVplText(textOf(data, size));
  FUZZ_CHECK(colors.size() <= 16);
  for (int32_t c : colors) FUZZ_CHECK(c >= 0 && c <= 0xFFFFFF);
  return 0;
}
