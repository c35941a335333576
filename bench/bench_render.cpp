#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "editor/logic/TileEditor.h"
#include "editor/logic/TileSheet.h"
#include "model/App.h"
#include "render/AreaFill.h"
#include "render/MapRender.h"
#include "render/TilesetRender.h"

namespace {

constexpr size_t kMapImageBytes = size_t(4096) * 2048 * 4;

std::unique_ptr<App> variedApp() {
  auto a = std::make_unique<App>();
  for (int i = 0; i < 16; ++i) a->st.Palette[size_t(i)] = 0x111111 * i;
  a->st.TileBytes.resize(2048);
  for (size_t i = 0; i < 2048; ++i) a->st.TileBytes[i] = uint8_t((i * 37 + 11) & 0xFF);
  for (int t = 0; t < 256; ++t) a->st.Colormap[size_t(2 + t)] = uint8_t(t);
  for (int y = 0; y < kMapRows; ++y)
    for (int x = 0; x < kMapCols; ++x) a->st.DatamapAt(x, y) = uint8_t((x * 13 + y * 7) & 0xFF);
  RenderTileset(*a);
  return a;
}

// A full map redraw, as every load, New, Clear, Resize and map undo needs it.
void BM_RedrawMap_256x128(benchmark::State& state) {
  auto a = variedApp();
  RedrawMap(*a);
  for (auto _ : state) {
    RedrawMap(*a);
    benchmark::DoNotOptimize(a->frm.picMap.image().constBits());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kMapImageBytes));
}
BENCHMARK(BM_RedrawMap_256x128)->Unit(benchmark::kMillisecond);

// A fill that reaches all 32,768 cells, with the selected tile (1) or three
// random tiles (2): a block copy and a byte per cell, the undo snapshot (the
// store full, so the older snapshots move down too) and one refresh. It must
// stay within 1.5 times a full redraw.
void BM_FillMapArea_Full(benchmark::State& state) {
  auto a = variedApp();
  const int mode = int(state.range(0));
  a->frm.shpTileSelected = {16 * 5, 16 * 2, 16, 16};
  a->st.RandomFill = {0, 75, 20, 5};
  a->st.RandomFillTile = {0, 7, 8, 9};
  a->st.FillStartX = 128;
  a->st.FillStartY = 64;
  for (auto _ : state) {
    a->st.Datamap.fill(69);  // every cell matches the start cell again
    FillMapArea(*a, mode);
    benchmark::DoNotOptimize(a->frm.picMap.image().constBits());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kMapImageBytes));
}
BENCHMARK(BM_FillMapArea_Full)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// One click on the tile editor's grid, committed to every tile picture, on a
// full-size map where the edited tile (0) fills exactly one cell in eight and
// the others vary. Only that tile's cells are copied again: it must stay within
// 0.3 times BM_RedrawMap_256x128.
void BM_TilePixelClick(benchmark::State& state) {
  auto a = variedApp();
  for (int y = 0; y < kMapRows; ++y)
    for (int x = 0; x < kMapCols; ++x)
      a->st.DatamapAt(x, y) = (x + 3 * y) % 8 ? uint8_t(1 + (x * 13 + y * 7) % 255) : 0;
  RedrawMap(*a);
  ResetTileSelection(*a);
  a->frm.picMultiColor[0] = a->st.Palette[1];
  int i = 0;
  for (auto _ : state) {
    picTileBits_MouseDown(*a, i % 64, (i / 64) % 2 ? 2 : 1, 0, 5, 5);
    benchmark::DoNotOptimize(a->frm.picMap.image().constBits());
    benchmark::ClobberMemory();
    ++i;
  }
}
BENCHMARK(BM_TilePixelClick)->Unit(benchmark::kMillisecond);

// The floor for the redraw: moving the map picture's bytes once.
void BM_Memcpy_MapImage(benchmark::State& state) {
  std::vector<uint8_t> src(kMapImageBytes, 0x5A), dst(kMapImageBytes, 0);
  for (auto _ : state) {
    std::memcpy(dst.data(), src.data(), kMapImageBytes);
    benchmark::DoNotOptimize(dst.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kMapImageBytes));
}
BENCHMARK(BM_Memcpy_MapImage)->Unit(benchmark::kMillisecond);

void BM_RenderTileset(benchmark::State& state) {
  auto a = variedApp();
  for (auto _ : state) {
    RenderTileset(*a);
    benchmark::DoNotOptimize(a->frm.picTileView.image().constBits());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_RenderTileset)->Unit(benchmark::kMicrosecond);

}  // namespace
