#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "d64/D64Model.h"

// Helpers shared by the D64 tests. They read images with their own geometry
// table, so a fault in the writer's geometry cannot hide itself.
namespace d64test {

using Bytes = std::vector<uint8_t>;

// The default project's four documents as their savers write them.
Bytes defaultDatamap();   // 00 00 FF 7F + 32768 zeros
Bytes defaultDatatype();  // 32768 zeros
Bytes defaultTileset();   // 00 70 + 2048 zeros
Bytes defaultColormap();  // 3D 32 + 256 x 01
// Directory art, then MWRT.Blank.PRG, TYPE.Blank.TYP, TILE.Blank.prg, CMAP.Blank.CMP.
std::vector<D64Source> defaultExportSources();
// Bytes whose every block differs from its neighbours, so a misplaced block shows.
Bytes patterned(size_t size, uint8_t seed);
D64Source program(const std::string& name, Bytes bytes);

Bytes readFile(const std::string& path);
void writeFile(const std::string& path, const Bytes& bytes);

struct TS {
  int track, sector;
  bool operator==(const TS&) const = default;
};
int offsetOf(int track, int sector);
const uint8_t* sectorAt(const Bytes& image, int track, int sector);
// The blocks of a chain from its first block, at most 700.
std::vector<TS> chainFrom(const Bytes& image, int track, int sector);
// A file's bytes read back through its chain, the last block by its byte count.
Bytes fileFrom(const Bytes& image, int track, int sector);
// The blocks of a track in chain order, for the expectations below.
std::vector<TS> onTrack(int track, const std::vector<int>& sectors);
Bytes entryAt(const Bytes& image, int sector, int entry);  // 32 bytes of a directory entry
int freeBlocksOutsideTrack18(const Bytes& image);

// The independent disk tools. A tool that cannot be run fails the test.
struct ListedEntry {
  int blocks;
  std::string name;
  std::string type;
  bool operator==(const ListedEntry&) const = default;
};
struct Listing {
  std::string diskName;
  std::vector<ListedEntry> entries;
  int blocksFree = -1;
};
// cc1541 -V on a copy of the image: true when the tool accepts it as valid CBM DOS.
bool cc1541Validates(const std::string& imagePath);
Listing cc1541List(const std::string& imagePath);
// Every file of the image as cbmconvert extracts it, by the extracted file name.
std::map<std::string, Bytes> cbmconvertExtract(const std::string& imagePath);

}  // namespace d64test
