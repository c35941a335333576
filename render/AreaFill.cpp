#include "render/AreaFill.h"

#include <cmath>

#include "model/App.h"
#include "model/UndoStore.h"
#include "platform/Rnd.h"

namespace {

constexpr int kCell = 16;

// One cell's tile and the picture its image comes from.
struct CellFill {
  uint8_t tile;
  const Picture* source;
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
  const CellFill selected{uint8_t(TileUnder(f.shpTileSelected)), &f.picTileSelected};
  // A sum of two 16-bit settings can pass 32767; it must not wrap negative.
  const int p1 = st.RandomFill[1];
  const int p12 = p1 + int(st.RandomFill[2]);

  auto next = [&]() -> CellFill {
    if (mode == 1) return selected;
    const int n = int(std::floor(Rnd() * 100 + 1));
    if (n <= p1) return {st.RandomFillTile[1], &f.picFill1};
    if (n <= p12) return {st.RandomFillTile[2], &f.picFill2};
    return {st.RandomFillTile[3], &f.picFill3};
  };
  // One row's run from its start column in direction dir; false when the
  // start cell does not hold the start tile, which ends the whole scan.
  auto run = [&](int row, int col, int dir) {
    if (st.DatamapAt(col, row) != orig) return false;
    for (; col >= 0 && col < kMapCols && st.DatamapAt(col, row) == orig; col += dir) {
      const CellFill c = next();
      Picture::bitBlt(f.picMap, kCell * col, kCell * row, kCell, kCell, *c.source, 0, 0);
      st.DatamapAt(col, row) = c.tile;
    }
    return true;
  };

  // Rows below and right, below and left, above and right, above and left:
  // the four parts are disjoint, so a filled cell never changes a later match.
  for (int r = y0; r < kMapRows && run(r, x0, 1); ++r) {}
  if (x0 > 0)
    for (int r = y0; r < kMapRows && run(r, x0 - 1, -1); ++r) {}
  for (int r = y0 - 1; r >= 0 && run(r, x0, 1); --r) {}
  if (x0 > 0)
    for (int r = y0 - 1; r >= 0 && run(r, x0 - 1, -1); --r) {}
  f.picMap.refresh();
}
