#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <QImage>

#include "model/ProgramState.h"
#include "platform/Bytes.h"

// Every document file format as pure byte functions: bytes in, bytes out.
// The loaders and savers, the D64 export and the tests share them.

// The most of a file each format can use; a loader reads no further.
inline constexpr size_t kPrgTilesetFileBytes = 2050;
inline constexpr size_t kChrTilesetFileBytes = 2048;
inline constexpr size_t kDatamapFileBytes = 32772;
inline constexpr size_t kDatatypeFileBytes = 32768;
inline constexpr size_t kColormapFileBytes = 258;
inline constexpr size_t kColormapLongFileBytes = 262;
// File header, the largest info header, colour masks, a 256-colour table and
// 32-bit pixels: no 512 x 128 bitmap needs more.
inline constexpr size_t kTilesheetBmpMaxBytes = 14 + 124 + 12 + 256 * 4 + 512 * 128 * 4;

// ---- Tileset (.prg: load address + 2048 bytes; .chr: 2048 bytes)
struct TilesetData {
  uint8_t loadLo = 0, loadHi = 0;
  Bytes tiles;  // always 2048; short files zero-filled, longer ones cut
};
TilesetData decodePrgTileset(const Bytes& file);  // a file under 2 bytes: address 0, 0
TilesetData decodeChrTileset(const Bytes& file);
Bytes encodePrgTileset(uint8_t loadLo, uint8_t loadHi, const Bytes& tiles);
Bytes encodeChrTileset(const Bytes& tiles);

// ---- Tile sheet bitmap (.bmp, 512 x 128). The size is read from the header
// and refused before a pixel is decoded, so a file claiming a huge size
// allocates nothing. A file cut short of its pixels is Invalid.
struct TilesheetBitmap {
  enum class Status { Ok, WrongSize, Invalid };
  Status status = Status::Invalid;
  QImage image;             // RGB32, 512 x 128; set only when Ok
  int width = 0, height = 0;  // the bitmap's size (WrongSize, Ok)
};
TilesheetBitmap decodeTilesheetBmp(const Bytes& file);

// ---- Datamap (load address, width byte, height byte, 256 x 128 cells)
struct DatamapData {
  uint8_t loadLo = 0, loadHi = 0;
  uint8_t widthByte = 0, heightByte = 0;  // as in the file
  int16_t width = 0, height = 0;          // 255 -> 256, 127 -> 128, then clamped to 1..256 x 1..128
  CellArray cells{};                      // short files zero-filled
};
std::optional<DatamapData> decodeDatamap(const Bytes& file);  // nullopt under 4 bytes
// Width byte 255 for a 256-wide map, else the width; height likewise with 127.
uint8_t datamapWidthByte(int width);
uint8_t datamapHeightByte(int height);
Bytes encodeDatamap(uint8_t loadLo, uint8_t loadHi, int width, int height, const CellArray& cells);
// 0x00, 0x50, then the used cells row by row.
Bytes encodeDatamapExport(const CellArray& cells, int width, int height);

// ---- Colormap (258 bytes; 262 accepted)
std::optional<std::array<uint8_t, 258>> decodeColormap(const Bytes& file);  // nullopt: other sizes
// Colour bytes 0 become 1, in the array itself as in the file.
Bytes encodeColormap(std::array<uint8_t, 258>& colormap);

// ---- Datatype layer (32768 bytes) and its export (used cells only)
CellArray decodeDatatype(const Bytes& file);  // short files zero-filled
Bytes encodeDatatype(const CellArray& tags);
Bytes encodeDatatypeExport(const CellArray& tags, int width, int height);
