#include "render/MapRender.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstring>

#include "model/App.h"
#include "platform/NumericText.h"

namespace {

constexpr int kCell = 16;
constexpr int kSheetCols = 32;
constexpr int kSheetWidth = kSheetCols * kCell;
constexpr int kSheetHeight = 8 * kCell;
constexpr int kMapPixW = kMapCols * kCell;
constexpr int kMapPixH = kMapRows * kCell;
constexpr size_t kCellRowBytes = kCell * 4;

int floorDiv16(int v) { return v >= 0 ? v / kCell : -((kCell - 1 - v) / kCell); }

void copyTile(App& a, int t, int pixX, int pixY) {
  Picture::bitBlt(a.frm.picMap, pixX, pixY, kCell, kCell, a.frm.picTileView,
                  kCell * (t % kSheetCols), kCell * (t / kSheetCols));
}

// Fills the part of the map picture that lies beyond the 256 x 128 cells, the
// only part the cell copies leave untouched.
void clearBeyondCells(QImage& img, int32_t back) {
  const QRgb fill = toQRgb(back);
  const int w = img.width(), h = img.height();
  for (int y = 0; y < h; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
    const int from = y < kMapPixH ? kMapPixW : 0;
    if (from < w) std::fill(row + from, row + w, fill);
  }
}

// Cell by cell through the clipped block copy: only for a sheet too small to
// hold every tile image, where the clipped-away parts must show background.
void redrawThroughBlits(App& a) {
  a.frm.picMap.clear();
  for (int y = 0; y < kMapRows; ++y)
    for (int x = 0; x < kMapCols; ++x) copyTile(a, a.st.DatamapAt(x, y), kCell * x, kCell * y);
}

// Scanline by scanline: each map row is a run of 64-byte slices of the sheet,
// copied straight from one image's memory into the other's. Every pixel inside
// the 256 x 128 cells is overwritten, so only what lies beyond them is cleared.
void redrawByScanlines(App& a) {
  QImage& img = a.frm.picMap.imageToOverwrite();
  const int w = img.width(), h = img.height();
  if (w <= 0 || h <= 0) return;
  if (w > kMapPixW || h > kMapPixH) clearBeyondCells(img, a.frm.picMap.backColor());

  const QImage& sheet = a.frm.picTileView.image();
  const uchar* src = sheet.constBits();
  const size_t sbpl = size_t(sheet.bytesPerLine());
  std::array<const uchar*, 256> tileAt;
  for (int t = 0; t < 256; ++t)
    tileAt[size_t(t)] = src + size_t(kCell * (t / kSheetCols)) * sbpl +
                        size_t(kCell * (t % kSheetCols)) * 4;

  uchar* dst = img.bits();
  const size_t dbpl = size_t(img.bytesPerLine());
  const int fullCols = std::min(kMapCols, w / kCell);
  const size_t tailBytes = fullCols < kMapCols ? size_t(w % kCell) * 4 : 0;
  const int rows = std::min(h, kMapPixH);
  for (int py = 0; py < rows; ++py) {
    const uint8_t* cells = a.st.Datamap.data() + size_t(py / kCell) * kMapCols;
    const size_t srcRow = size_t(py % kCell) * sbpl;
    uchar* d = dst + size_t(py) * dbpl;
    for (int x = 0; x < fullCols; ++x, d += kCellRowBytes)
      std::memcpy(d, tileAt[cells[x]] + srcRow, kCellRowBytes);
    if (tailBytes) std::memcpy(d, tileAt[cells[fullCols]] + srcRow, tailBytes);
  }
}

std::string twoHexDigits(int v) {
  static const char digits[] = "0123456789ABCDEF";
  return {digits[(v >> 4) & 15], digits[v & 15]};
}

}  // namespace

const FontSpec& MapLabelFont() {
  static const FontSpec font{"DejaVu Sans", 11, true};
  return font;
}

void RedrawMap(App& a) {
  const Picture& sheet = a.frm.picTileView;
  if (sheet.width() >= kSheetWidth && sheet.height() >= kSheetHeight)
    redrawByScanlines(a);
  else
    redrawThroughBlits(a);
  a.frm.picMap.refresh();
}

void DrawDatatypeOverlay(App& a) {
  a.frm.picMapForeColor = a.st.DatatypeColor;
  for (int y = 0; y < kMapRows; ++y)
    for (int x = 0; x < kMapCols; ++x) {
      const int v = a.st.DatatypeAt(x, y);
      if (v != 0) DrawDatatypeCell(a, twoHexDigits(v), kCell * x, kCell * y);
    }
  a.frm.picMap.refresh();
}

void DrawDatatypeCell(App& a, const std::string& text, int pixX, int pixY) {
  const int c = floorDiv16(pixX), r = floorDiv16(pixY);
  // A position off the datamap has no cell to store into.
  if (c < 0 || c >= kMapCols || r < 0 || r >= kMapRows) return;
  copyTile(a, a.st.DatamapAt(c, r), pixX, pixY);
  if (text != "00") a.frm.picMap.printText(pixX, pixY, text, a.frm.picMapForeColor, MapLabelFont());

  double v = 0;
  if (!text.empty() && std::isxdigit(static_cast<unsigned char>(text[0])))
    v = Val("&H" + text);
  // Longer texts than two digits can exceed a byte: keep the nearest byte value.
  if (!std::isfinite(v)) v = 0;
  a.st.DatatypeAt(c, r) = uint8_t(std::clamp(v, 0.0, 255.0));
}
