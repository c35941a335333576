#pragma once
#include <array>
#include <string>
#include <vector>

#include "d64/D64Model.h"

// The eight DEL entries in front of the exported files draw a framed title when
// the directory is listed on a C64. Their bytes are C64 screen graphics in the
// upper-case/graphics set, never upper-cased: $C0 is a horizontal line, $DD a
// vertical bar, $75/$69/$6A/$6B the rounded corners, $AB/$B3 T-junctions, and
// "bx"/"xb" a bar with a club symbol.
inline const std::array<std::string, 8> kD64DirectoryArt = {
    std::string("\x75") + std::string(14, '\xC0') + "\x69",
    std::string("\xDD MOSAICWRIGHT \xDD"),
    std::string("\xDD" "EXPORTED FILES" "\xDD"),
    std::string("\xAB") + std::string(14, '\xC0') + "\xB3",
    std::string("bx BY TAMBLIX xb"),
    std::string("\xDD OSTREL FORGE \xDD"),
    std::string("\xDD" " C64 TILE MAPS" "\xDD"),
    std::string("\x6A") + std::string(14, '\xC0') + "\x6B",
};

// The art as the export's first eight sources: empty DEL files.
inline std::vector<D64Source> D64DirectoryArtSources() {
  std::vector<D64Source> art;
  for (const std::string& name : kD64DirectoryArt) art.push_back({name, {}, D64Source::Kind::Art});
  return art;
}
