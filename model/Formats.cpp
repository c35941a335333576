#include "model/Formats.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImageReader>
#include <QSaveFile>
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/Picture.h"

namespace {

constexpr size_t kTileBytes = 2048;
constexpr size_t kDatamapHeader = 4;
constexpr size_t kColormapBytes = 258;
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

}  // namespace

std::optional<Bytes> readWholeFile(const std::string& path) {
  // Only a regular file: a folder cannot be read, and a pipe or a device
  // would block or never end.
  if (!FileExists(path)) return std::nullopt;
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray data = file.readAll();
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  return Bytes(data.begin(), data.end());
}

bool writeWholeFile(const std::string& path, const Bytes& bytes) {
  if (path.empty()) return false;
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return false;
  const auto n = qint64(bytes.size());
  // A short write (disk full, file size limit) can surface only at the flush,
  // and commit() would still put the cut file in place of the old one.
  if (file.write(reinterpret_cast<const char*>(bytes.data()), n) != n || !file.flush()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

bool writeBitmapFile(const std::string& path, const Picture& picture) {
  const Bytes bytes = picture.bmpBytes();
  return !bytes.empty() && writeWholeFile(path, bytes);
}

bool FileExists(const std::string& path) {
  if (path.empty()) return false;
  std::error_code ec;
  return std::filesystem::is_regular_file(std::filesystem::path(path), ec) && !ec;
}

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
  QByteArray data(reinterpret_cast<const char*>(file.data()), qsizetype(file.size()));
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "bmp");
  reader.setAutoTransform(false);
  const QSize claimed = reader.size();
  if (claimed.isValid() && claimed != QSize(kSheetWidth, kSheetHeight)) {
    result.status = TilesheetBitmap::Status::WrongSize;
    result.width = claimed.width();
    result.height = claimed.height();
    return result;
  }
  const QImage img = reader.read();
  if (img.isNull()) return result;
  result.width = img.width();
  result.height = img.height();
  if (img.size() != QSize(kSheetWidth, kSheetHeight)) {
    result.status = TilesheetBitmap::Status::WrongSize;
    return result;
  }
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
  if (file.size() != kColormapBytes && file.size() != 262) return std::nullopt;
  std::array<uint8_t, 258> c{};
  std::copy_n(file.begin(), kColormapBytes, c.begin());
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
