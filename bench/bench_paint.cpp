#include <benchmark/benchmark.h>

#include <memory>

#include "editor/logic/MapEditing.h"
#include "editor/logic/TileSheet.h"
#include "model/App.h"
#include "render/MapRender.h"

namespace {

std::unique_ptr<App> paintingApp() {
  auto a = std::make_unique<App>();
  for (int t = 0; t < 256; ++t)
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x)
        a->frm.picTileView.setPixel(16 * (t % 32) + x, 16 * (t / 32) + y,
                                    RGBColor(t, 16 * x, 16 * y));
  a->st.MapWidth = 256;
  a->st.MapHeight = 128;
  for (int y = 0; y < kMapRows; ++y)
    for (int x = 0; x < kMapCols; ++x) a->st.DatamapAt(x, y) = uint8_t((x * 13 + y * 7) & 0xFF);
  RedrawMap(*a);
  ResetTileSelection(*a);
  // Pick tile 65 as the brush, as a click on the sheet does.
  picTileView_MouseMove(*a, 0, 0, 20, 40);
  picTileView_MouseDown(*a, 1, 0, 20, 40);
  picTileView_MouseUp(*a, 1, 0, 20, 40);
  return a;
}

// One left press painting one cell on a full-size map: the undo snapshot (with
// the store already full, so each press also moves the older snapshots down),
// the datamap byte and the 16 x 16 block copy into the view. Compare with
// BM_RedrawMap_256x128, which painting must never need.
void BM_PaintCell(benchmark::State& state) {
  auto a = paintingApp();
  for (int i = 0; i < 13; ++i) PushUndo(*a);
  a->frm.picMap.takeDirty();
  int cell = 0;
  for (auto _ : state) {
    const int col = cell % kMapCols, row = (cell / kMapCols) % kMapRows;
    picMap_MouseDown(*a, 1, 0, float(16 * col + 5), float(16 * row + 5));
    const QRect dirty = a->frm.picMap.takeDirty();
    if (dirty != QRect(16 * col, 16 * row, 16, 16)) {
      state.SkipWithError("a press repainted more than its cell");
      break;
    }
    benchmark::DoNotOptimize(a->st.Datamap.data());
    benchmark::ClobberMemory();
    cell += 37;
  }
}
BENCHMARK(BM_PaintCell)->Unit(benchmark::kMicrosecond);

// A left drag over one more cell: no snapshot, only the block copy.
void BM_PaintCell_Drag(benchmark::State& state) {
  auto a = paintingApp();
  a->frm.picMap.takeDirty();
  int cell = 0;
  for (auto _ : state) {
    const int col = cell % kMapCols, row = (cell / kMapCols) % kMapRows;
    picMap_MouseMove(*a, 1, 0, float(16 * col + 5), float(16 * row + 5));
    benchmark::DoNotOptimize(a->frm.picMap.takeDirty());
    cell += 37;
  }
}
BENCHMARK(BM_PaintCell_Drag)->Unit(benchmark::kMicrosecond);

}  // namespace
