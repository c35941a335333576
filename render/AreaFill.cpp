#include "render/AreaFill.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <memory>

#include "model/App.h"
#include "model/UndoStore.h"
#include "platform/Rnd.h"

namespace {

constexpr int kCell = 16;

// The top-left 16 x 16 pixels of a picture, as the fill copies them into map cells.
struct CellImage {
  explicit CellImage(const Picture& p)
      : bits(p.image().constBits()),
        bytesPerLine(size_t(p.image().bytesPerLine())),
        width(std::min(kCell, p.width())),
        height(std::min(kCell, p.height())) {}
  const uchar* bits;
  size_t bytesPerLine;
  int width, height;
};

// Which cells of each row the scans filled, and from which image. The scans
// decide cell by cell; the pixels follow afterwards, scanline by scanline like
// a redraw, since copying 16 rows per cell across the picture costs twice as
// much for a fill that reaches every cell. A row's filled cells are one run:
// its scan to the right starts at x0, its scan to the left at x0 - 1.
class FilledCells {
 public:
  FilledCells() { first_.fill(kMapCols); }
  void add(int col, int row, uint8_t image) {
    image_[size_t(col + kMapCols * row)] = image;
    first_[size_t(row)] = std::min<int16_t>(first_[size_t(row)], int16_t(col));
    last_[size_t(row)] = std::max<int16_t>(last_[size_t(row)], int16_t(col));
  }
  // Copies each filled cell's image into the map picture, cut at its edges
  // (it is only MapWidth x MapHeight cells large).
  void draw(Picture& map, const std::array<CellImage, 4>& images) const {
    QImage& img = map.mutableImage();
    uchar* bits = img.bits();
    const size_t bpl = size_t(img.bytesPerLine());
    const int width = img.width(), height = img.height();
    std::array<const uchar*, 4> line;  // each image's pixel row i
    std::array<size_t, 4> bytes;       // and how much of it one cell takes
    for (int row = 0; row < kMapRows; ++row) {
      const int first = first_[size_t(row)];
      // The cell the picture's right edge cuts, if any, is copied narrower.
      const int last = std::min<int>(last_[size_t(row)], (width - 1) / kCell);
      const int cut = width / kCell;
      const uint8_t* cells = image_.data() + size_t(kMapCols * row);
      for (int i = 0; i < kCell && first <= last && kCell * row + i < height; ++i) {
        for (size_t k = 0; k < 4; ++k) {
          const bool has = i < images[k].height;
          line[k] = images[k].bits + (has ? size_t(i) * images[k].bytesPerLine : 0);
          bytes[k] = has ? size_t(images[k].width) * 4 : 0;
        }
        uchar* d = bits + size_t(kCell * row + i) * bpl + size_t(kCell * first) * 4;
        for (int col = first; col <= last; ++col, d += kCell * 4) {
          const size_t k = cells[col];
          const size_t n =
              col < cut ? bytes[k] : std::min(bytes[k], size_t(width - kCell * col) * 4);
          if (n == kCell * 4)
            std::memcpy(d, line[k], kCell * 4);  // a fixed size the compiler copies inline
          else if (n)
            std::memcpy(d, line[k], n);
        }
      }
    }
  }

 private:
  std::array<uint8_t, kMapCells> image_{};
  std::array<int16_t, kMapRows> first_{}, last_{};
};

}  // namespace

void FillMapArea(App& a, int mode) {
  ProgramState& st = a.st;
  MainForm& f = a.frm;
  const int x0 = st.FillStartX, y0 = st.FillStartY;
  if (x0 < 0 || x0 >= kMapCols || y0 < 0 || y0 >= kMapRows) return;

  PushUndo(a);
  // A block selection shrinks to its top-left tile, the one the fill uses.
  f.shpTileSelected.width = kCell;
  f.shpTileSelected.height = kCell;
  const uint8_t orig = st.DatamapAt(x0, y0);
  const uint8_t selected = uint8_t(TileUnder(f.shpTileSelected));
  // A sum of two 16-bit settings can pass 32767; it must not wrap negative.
  const int p1 = st.RandomFill[1];
  const int p12 = p1 + int(st.RandomFill[2]);
  auto filled = std::make_unique<FilledCells>();

  // Image 0 is the brush, 1..3 the random-fill boxes.
  auto fillCell = [&](int col, int row) {
    uint8_t image = 0;
    if (mode != 1) {
      const int n = int(std::floor(Rnd() * 100 + 1));
      image = n <= p1 ? 1 : n <= p12 ? 2 : 3;
    }
    st.DatamapAt(col, row) = image == 0 ? selected : st.RandomFillTile[image];
    filled->add(col, row, image);
  };
  // One row's run from its start column in direction dir; false when the
  // start cell does not hold the start tile, which ends the whole scan.
  auto run = [&](int row, int col, int dir) {
    if (st.DatamapAt(col, row) != orig) return false;
    for (; col >= 0 && col < kMapCols && st.DatamapAt(col, row) == orig; col += dir)
      fillCell(col, row);
    return true;
  };

  // Rows below and right, below and left, above and right, above and left:
  // the four parts are disjoint, so a filled cell never changes a later match.
  for (int r = y0; r < kMapRows; ++r)
    if (!run(r, x0, 1)) break;
  for (int r = y0; r < kMapRows && x0 > 0; ++r)
    if (!run(r, x0 - 1, -1)) break;
  for (int r = y0 - 1; r >= 0; --r)
    if (!run(r, x0, 1)) break;
  for (int r = y0 - 1; r >= 0 && x0 > 0; --r)
    if (!run(r, x0 - 1, -1)) break;

  filled->draw(f.picMap, {CellImage(f.picTileSelected), CellImage(f.picFill1),
                          CellImage(f.picFill2), CellImage(f.picFill3)});
  f.picMap.refresh();
}
