#include "FuzzTarget.h"
#include "model/Formats.h"

// A .chr tileset: 2048 tile bytes; short files zero-filled, longer ones cut.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TilesetData d = decodeChrTileset(bytesOf(data, size));
  FUZZ_CHECK(d.tiles.size() == 2048);
  const Bytes again = encodeChrTileset(d.tiles);
  for (size_t i = 0; i < again.size(); ++i) FUZZ_CHECK(again[i] == (i < size ? data[i] : 0));
  return 0;
}
