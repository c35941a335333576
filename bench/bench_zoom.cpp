#include <QImage>
#include <benchmark/benchmark.h>

#include <memory>

#include "editor/logic/Zoom.h"
#include "model/App.h"
#include "platform/Color.h"

namespace {

std::unique_ptr<App> FullMapApp() {
  auto a = std::make_unique<App>();
  a->st.MapWidth = 256;
  a->st.MapHeight = 128;
  a->st.Zoom = 0;
  Picture& map = a->frm.picMap;
  for (int y = 0; y < map.height(); ++y)
    for (int x = 0; x < map.width(); ++x) map.setPixel(x, y, RGBColor(x & 0xFF, y & 0xFF, x ^ y));
  return a;
}

// Fit page of a full map in the default viewport: the copy a user waits for.
void BM_ZoomFitPage_256x128(benchmark::State& state) {
  auto a = FullMapApp();
  for (auto _ : state) {
    ApplyZoom(*a);
    benchmark::DoNotOptimize(a->frm.picZoom.image().constBits());
  }
  state.counters["copy_w"] = a->frm.picZoom.width();
  state.counters["copy_h"] = a->frm.picZoom.height();
}
BENCHMARK(BM_ZoomFitPage_256x128)->Unit(benchmark::kMillisecond);

// The yardstick: Qt's own nearest-neighbour scaling of the same image to the same size.
void BM_QImageScaled_FitPage(benchmark::State& state) {
  auto a = FullMapApp();
  const QImage& source = a->frm.picMap.image();
  const int h = a->frm.picScrollHeight;
  const int w = int(int64_t(source.width()) * h / source.height());
  for (auto _ : state) {
    QImage copy = source.scaled(w, h, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    benchmark::DoNotOptimize(copy.constBits());
  }
}
BENCHMARK(BM_QImageScaled_FitPage)->Unit(benchmark::kMillisecond);

}  // namespace
