#include "render/MapRender.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstring>
#include <numeric>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// A cell's row of 16 pixels, 64 bytes: one line of the cache where the map's
// rows start on one. Streamed, it is written past the cache, so that a line
// overwritten whole is not first read from memory: the scattered cells of a
// partial redraw otherwise cost twice their bytes.
struct CopyCellRow {
  void operator()(uchar* d, const uchar* s) const { std::memcpy(d, s, kCellRowBytes); }
};
#if defined(__SSE2__)
struct StreamCellRow {
  void operator()(uchar* d, const uchar* s) const {
    auto* out = reinterpret_cast<__m128i*>(d);
    const auto* in = reinterpret_cast<const __m128i*>(s);
    for (int k = 0; k < 4; ++k) _mm_stream_si128(out + k, _mm_loadu_si128(in + k));
  }
};
#endif

// Copies cells from the sheet's tile images into the map picture scanline by
// scanline: each map row is a run of 64-byte slices of the sheet, copied
// straight from one image's memory into the other's. Cells are clipped to the
// picture, whose right edge may cut one cell of a row.
class CellCopy {
 public:
  // streamed: for cells scattered over the map, which the cache would not
  // hold; used only where every cell row starts on a cache line.
  CellCopy(QImage& map, const QImage& sheet, const uint8_t* datamap, bool streamed)
      : dst_(map.bits()),
        dbpl_(size_t(map.bytesPerLine())),
        h_(map.height()),
        sbpl_(size_t(sheet.bytesPerLine())),
        datamap_(datamap),
        wholeCols_(std::min(kMapCols, map.width() / kCell)),
        edgeBytes_(wholeCols_ < kMapCols ? size_t(map.width() % kCell) * 4 : 0),
        rows_(std::min(kMapRows, (h_ + kCell - 1) / kCell)) {
#if defined(__SSE2__)
    streamed_ = streamed && reinterpret_cast<uintptr_t>(dst_) % 64 == 0 && dbpl_ % 64 == 0;
#else
    (void)streamed;
#endif
    const uchar* src = sheet.constBits();
    for (int t = 0; t < 256; ++t)
      tileAt_[size_t(t)] =
          src + size_t(kCell * (t / kSheetCols)) * sbpl_ + size_t(kCell * (t % kSheetCols)) * 4;
  }
  // Streamed stores are weakly ordered: the fence makes them visible before
  // whatever follows.
  ~CellCopy() {
#if defined(__SSE2__)
    if (streamed_) _mm_sfence();
#endif
  }
  CellCopy(const CellCopy&) = delete;
  CellCopy& operator=(const CellCopy&) = delete;

  int wholeCols() const { return wholeCols_; }
  bool hasEdgeCell() const { return edgeBytes_ != 0; }
  int rows() const { return rows_; }

  // The listed whole cells of cell row r, and the cell the edge cuts when asked.
  void copy(int r, const uint8_t* cols, int n, bool edgeCell) const {
#if defined(__SSE2__)
    if (streamed_) return copyWith(StreamCellRow{}, r, cols, n, edgeCell);
#endif
    copyWith(CopyCellRow{}, r, cols, n, edgeCell);
  }

 private:
  template <class CopyRow>
  void copyWith(CopyRow copyRow, int r, const uint8_t* cols, int n, bool edgeCell) const {
    const uint8_t* cells = datamap_ + size_t(r) * kMapCols;
    const int top = kCell * r, bottom = std::min(h_, top + kCell);
    for (int py = top; py < bottom; ++py) {
      const size_t srcRow = size_t(py - top) * sbpl_;
      uchar* d = dst_ + size_t(py) * dbpl_;
      for (int i = 0; i < n; ++i)
        copyRow(d + cols[i] * kCellRowBytes, tileAt_[cells[cols[i]]] + srcRow);
      if (edgeCell)
        std::memcpy(d + size_t(wholeCols_) * kCellRowBytes, tileAt_[cells[wholeCols_]] + srcRow,
                    edgeBytes_);
    }
  }

  uchar* dst_;
  size_t dbpl_;
  int h_;
  size_t sbpl_;
  const uint8_t* datamap_;
  int wholeCols_;
  size_t edgeBytes_;
  int rows_;
  bool streamed_ = false;
  std::array<const uchar*, 256> tileAt_;
};

bool sheetHoldsEveryTile(const Picture& sheet) {
  return sheet.width() >= kSheetWidth && sheet.height() >= kSheetHeight;
}

// Every pixel inside the 256 x 128 cells is overwritten, so only what lies
// beyond them is cleared.
void redrawByScanlines(App& a) {
  QImage& img = a.frm.picMap.imageToOverwrite();
  if (img.isNull()) return;
  if (img.width() > kMapPixW || img.height() > kMapPixH)
    clearBeyondCells(img, a.frm.picMap.backColor());
  const CellCopy cells(img, a.frm.picTileView.image(), a.st.Datamap.data(), false);
  std::array<uint8_t, kMapCols> every;
  std::iota(every.begin(), every.end(), 0);
  for (int r = 0; r < cells.rows(); ++r)
    cells.copy(r, every.data(), cells.wholeCols(), cells.hasEdgeCell());
}

// The tiles whose images on the sheet lie in `region`.
std::array<bool, 256> tilesIn(const QRect& region) {
  std::array<bool, 256> in{};
  const QRect r = region & QRect(0, 0, kSheetWidth, kSheetHeight);
  if (r.isEmpty()) return in;
  for (int row = r.top() / kCell; row <= r.bottom() / kCell; ++row)
    for (int col = r.left() / kCell; col <= r.right() / kCell; ++col)
      in[size_t(row * kSheetCols + col)] = true;
  return in;
}

// After the last redraw of either kind, the map matched the datamap and the
// sheet; since then some tile images may have changed and some cells may have
// been drawn over. Both pictures' changed regions tell which.
void redrawStaleCells(App& a, const QRect& drawnOver, const QRect& sheetChanged) {
  Picture& map = a.frm.picMap;
  const std::array<bool, 256> staleTile = tilesIn(sheetChanged);
  const int c0 = drawnOver.left() / kCell, c1 = drawnOver.right() / kCell;
  const int r0 = drawnOver.top() / kCell, r1 = drawnOver.bottom() / kCell;
  const CellCopy cells(map.mutableImage(), a.frm.picTileView.image(), a.st.Datamap.data(), true);
  const int lastCol = cells.wholeCols() - (cells.hasEdgeCell() ? 0 : 1);
  QRect redrawn;
  std::array<uint8_t, kMapCols> cols;
  for (int r = 0; r < cells.rows(); ++r) {
    const uint8_t* tiles = a.st.Datamap.data() + size_t(r) * kMapCols;
    const bool rowDrawnOver = !drawnOver.isEmpty() && r >= r0 && r <= r1;
    const auto stale = [&](int c) {
      return staleTile[tiles[c]] || (rowDrawnOver && c >= c0 && c <= c1);
    };
    int n = 0, first = -1, last = -1;
    for (int c = 0; c <= lastCol; ++c) {
      if (!stale(c)) continue;
      if (c < cells.wholeCols()) cols[size_t(n++)] = uint8_t(c);
      if (first < 0) first = c;
      last = c;
    }
    if (first < 0) continue;
    cells.copy(r, cols.data(), n, cells.hasEdgeCell() && last == cells.wholeCols());
    redrawn |= QRect(kCell * first, kCell * r, kCell * (last - first + 1), kCell);
  }
  map.markDirty(redrawn);
  map.takeChanged();  // its own copies leave the map in step again
}

// The redraw leaves the map in step with the datamap and the sheet as they stand.
void forgetChanges(App& a) {
  a.frm.picMap.takeChanged();
  a.frm.picTileView.takeChanged();
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

HeldMapRedraw::HeldMapRedraw(App& a) : a_(a) { ++a.frm.mapRedrawHolds; }

HeldMapRedraw::~HeldMapRedraw() {
  MainForm& f = a_.frm;
  if (--f.mapRedrawHolds > 0 || !f.mapRedrawPending) return;
  f.mapRedrawPending = false;
  RedrawMap(a_);
}

void RedrawMap(App& a) {
  if (a.frm.mapRedrawHolds > 0) {
    a.frm.mapRedrawPending = true;
    return;
  }
  if (sheetHoldsEveryTile(a.frm.picTileView))
    redrawByScanlines(a);
  else
    redrawThroughBlits(a);
  a.frm.picMap.refresh();
  forgetChanges(a);
}

void RedrawMapChanges(App& a) {
  Picture& map = a.frm.picMap;
  const QRect drawnOver = map.takeChanged();
  const QRect sheetChanged = a.frm.picTileView.takeChanged();
  const QRect cellArea(0, 0, kMapPixW, kMapPixH);
  // Drawn over all of it, or beyond the cells where only the clear reaches;
  // a blank map was never drawn at all.
  const bool whole = drawnOver == QRect(0, 0, map.width(), map.height()) ||
                     (!drawnOver.isEmpty() && !cellArea.contains(drawnOver));
  if (whole || map.isBlank() || !sheetHoldsEveryTile(a.frm.picTileView)) {
    RedrawMap(a);
    return;
  }
  redrawStaleCells(a, drawnOver, sheetChanged);
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
