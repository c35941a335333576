#include "FuzzTarget.h"
#include "model/Formats.h"

// A .prg tileset: load address, then 2048 tile bytes; short files zero-filled.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Bytes file = bytesOf(data, size);
  const TilesetData d = decodePrgTileset(file);
  FUZZ_CHECK(d.tiles.size() == 2048);
  const Bytes again = encodePrgTileset(d.loadLo, d.loadHi, d.tiles);
  FUZZ_CHECK(again.size() == kPrgTilesetFileBytes);
  for (size_t i = 0; i < again.size(); ++i)
    FUZZ_CHECK(again[i] == (i < size && (i >= 2 || size >= 2) ? data[i] : 0));
  return 0;
}
