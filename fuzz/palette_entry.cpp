#include "FuzzTarget.h"
#include "model/Palettes.h"

// One palette entry text, "red,green,blue".
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const PaletteEntryParse p = parsePaletteEntry(textOf(data, size));
  if (p.fault == PaletteEntryParse::None) {
    for (int c : {p.red, p.green, p.blue}) FUZZ_CHECK(c >= 0 && c <= 255);
  }
  return 0;
}
