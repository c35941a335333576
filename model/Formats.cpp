#include "model/Formats.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <algorithm>

namespace {

constexpr size_t kTileBytes = 2048;
constexpr size_t kDatamapHeader = 4;
constexpr int kSheetWidth = 512, kSheetHeight = 128;

// Copies file[from, from + n) into out[0, n); what the file lacks stays 0.
template <typename Out>
void copyZeroFilled(const Bytes& file, size_t from, size_t n, Out& out) {
  if (file.size() <= from) return;
  const size_t have = std::min(n, file.size() - from);
  std::copy_n(file.begin() + std::ptrdiff_t(from), have, out.begin());
}

Bytes tilesOf(const Bytes& tiles) {
  Bytes out(kTileBytes, 0);
  std::copy_n(tiles.begin(), std::min(tiles.size(), kTileBytes), out.begin());
  return out;
}

// Cells of the map in use, row by row; sizes outside the datamap are cut to it.
Bytes usedCells(const CellArray& cells, int width, int height) {
  width = std::clamp(width, 0, kMapCols);
  height = std::clamp(height, 0, kMapRows);
  Bytes out;
  out.reserve(size_t(width) * size_t(height));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) out.push_back(cells[size_t(x + kMapCols * y)]);
  return out;
}

uint32_t le16(const Bytes& b, size_t at) { return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8; }
uint32_t le32(const Bytes& b, size_t at) { return le16(b, at) | le16(b, at + 2) << 16; }

// Width and height as the bitmap's headers give them (a negative height marks
// a top-down bitmap), or nothing when the file is no Windows bitmap.
std::optional<QSize> bmpHeaderSize(const Bytes& file) {
  if (file.size() < 26 || file[0] != 'B' || file[1] != 'M') return std::nullopt;
  const uint32_t infoSize = le32(file, 14);
  int64_t w = 0, h = 0;
  if (infoSize == 12) {  // the old OS/2 header: 16-bit sizes
    w = le16(file, 18);
    h = le16(file, 20);
  } else if (infoSize >= 16) {
    w = int32_t(le32(file, 18));
    h = int32_t(le32(file, 22));
  } else {
    return std::nullopt;
  }
  if (h < 0) h = -h;
  if (w <= 0 || h == 0 || h > INT32_MAX) return std::nullopt;
  return QSize(int(w), int(h));
}

}  // namespace

TilesetData decodePrgTileset(const Bytes& file) {
  TilesetData d;
  if (file.size() >= 2) {
    d.loadLo = file[0];
    d.loadHi = file[1];
  }
  d.tiles.assign(kTileBytes, 0);
  copyZeroFilled(file, 2, kTileBytes, d.tiles);
  return d;
}

TilesetData decodeChrTileset(const Bytes& file) {
  TilesetData d;
  d.tiles.assign(kTileBytes, 0);
  copyZeroFilled(file, 0, kTileBytes, d.tiles);
  return d;
}

Bytes encodePrgTileset(uint8_t loadLo, uint8_t loadHi, const Bytes& tiles) {
  Bytes out{loadLo, loadHi};
  const Bytes t = tilesOf(tiles);
  out.insert(out.end(), t.begin(), t.end());
  return out;
}

Bytes encodeChrTileset(const Bytes& tiles) { return tilesOf(tiles); }

TilesheetBitmap decodeTilesheetBmp(const Bytes& file) {
  TilesheetBitmap result;
  const std::optional<QSize> claimed = bmpHeaderSize(file);
  if (!claimed) return result;
  if (*claimed != QSize(kSheetWidth, kSheetHeight)) {
    result.status = TilesheetBitmap::Status::WrongSize;
    result.width = claimed->width();
    result.height = claimed->height();
    return result;
  }
  QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(file.data()),
                                            qsizetype(file.size()));
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "bmp");
  reader.setAutoTransform(false);
  const QImage img = reader.read();
  // The reader has its own view of the headers; only its 512 x 128 counts.
  if (img.isNull() || img.size() != QSize(kSheetWidth, kSheetHeight)) return result;
  result.width = img.width();
  result.height = img.height();
  result.image = img.convertToFormat(QImage::Format_RGB32);
  result.status = TilesheetBitmap::Status::Ok;
  return result;
}

uint8_t datamapWidthByte(int width) { return width == 256 ? 255 : uint8_t(width); }
uint8_t datamapHeightByte(int height) { return height == 128 ? 127 : uint8_t(height); }

std::optional<DatamapData> decodeDatamap(const Bytes& file) {
  if (file.size() < kDatamapHeader) return std::nullopt;
  DatamapData d;
  d.loadLo = file[0];
  d.loadHi = file[1];
  d.widthByte = file[2];
  d.heightByte = file[3];
  // 255 and 127 stand for the full 256 and 128; a size byte of 0 or a height
  // past the datamap would leave no map or one larger than its cells.
  const int w = d.widthByte == 255 ? 256 : d.widthByte;
  const int h = d.heightByte == 127 ? 128 : d.heightByte;
  d.width = int16_t(std::clamp(w, 1, kMapCols));
  d.height = int16_t(std::clamp(h, 1, kMapRows));
  copyZeroFilled(file, kDatamapHeader, size_t(kMapCells), d.cells);
  return d;
}

Bytes encodeDatamap(uint8_t loadLo, uint8_t loadHi, int width, int height,
                    const CellArray& cells) {
  Bytes out(4 + cells.size());
  out[0] = loadLo;
  out[1] = loadHi;
  out[2] = datamapWidthByte(width);
  out[3] = datamapHeightByte(height);
  std::copy(cells.begin(), cells.end(), out.begin() + 4);
  return out;
}

Bytes encodeDatamapExport(const CellArray& cells, int width, int height) {
  // Load address $5000.
  Bytes out{0x00, 0x50};
  const Bytes used = usedCells(cells, width, height);
  out.insert(out.end(), used.begin(), used.end());
  return out;
}

std::optional<std::array<uint8_t, 258>> decodeColormap(const Bytes& file) {
  if (file.size() != kColormapFileBytes && file.size() != kColormapLongFileBytes) return std::nullopt;
  std::array<uint8_t, 258> c{};
  std::copy_n(file.begin(), kColormapFileBytes, c.begin());
  return c;
}

Bytes encodeColormap(std::array<uint8_t, 258>& colormap) {
  // Colour 0 would draw a tile's set pixels in the background colour, so the
  // tile would read back empty.
  for (size_t i = 2; i < colormap.size(); ++i)
    if (colormap[i] == 0) colormap[i] = 1;
  return Bytes(colormap.begin(), colormap.end());
}

CellArray decodeDatatype(const Bytes& file) {
  CellArray tags{};
  copyZeroFilled(file, 0, size_t(kMapCells), tags);
  return tags;
}

Bytes encodeDatatype(const CellArray& tags) { return Bytes(tags.begin(), tags.end()); }

Bytes encodeDatatypeExport(const CellArray& tags, int width, int height) {
  return usedCells(tags, width, height);
}
