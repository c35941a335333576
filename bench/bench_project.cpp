#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/logic/ProjectFile.h"
#include "editor/logic/StartUp.h"
#include "model/App.h"
#include "platform/ProgramFolder.h"

namespace {

void writeFile(const QTemporaryDir& dir, const char* name, const std::vector<uint8_t>& bytes) {
  QFile f(dir.filePath(name));
  f.open(QIODevice::WriteOnly);
  f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
}

// A project of four members whose datamap is width x height, loaded into a
// program just started without one (its map picture still blank, as at
// start-up). The start-up itself is outside the timing.
void BM_LoadProject(benchmark::State& state) {
  const int width = int(state.range(0)), height = int(state.range(1));
  QTemporaryDir folder;
  SetAppPathForTesting(folder.path().toStdString());
  std::vector<uint8_t> map{0x00, 0x40, uint8_t(width == 256 ? 255 : width),
                           uint8_t(height == 128 ? 127 : height)};
  for (int i = 0; i < 32768; ++i) map.push_back(uint8_t((i * 7 + i / 256) & 0xFF));
  std::vector<uint8_t> tiles{0x00, 0x30}, colours{0x00, 0xC0}, tags(32768, 1);
  for (int i = 0; i < 2048; ++i) tiles.push_back(uint8_t((i * 37 + i / 8) & 0xFF));
  for (int t = 0; t < 256; ++t) colours.push_back(uint8_t(t % 15 + 1));
  writeFile(folder, "m.map", map);
  writeFile(folder, "t.prg", tiles);
  writeFile(folder, "c.prg", colours);
  writeFile(folder, "d.prg", tags);
  const auto at = [&](const char* name) { return folder.filePath(name).toStdString(); };
  const std::string project = "[Files]\nMWRT=" + at("m.map") + "\nTYPE=" + at("d.prg") +
                              "\nTILE=" + at("t.prg") + "\nCMAP=" + at("c.prg") + "\n";
  writeFile(folder, "p.mwj", std::vector<uint8_t>(project.begin(), project.end()));
  const std::string path = at("p.mwj");

  for (auto _ : state) {
    state.PauseTiming();
    auto a = std::make_unique<App>();
    Form_Load(*a, "");
    state.ResumeTiming();
    LoadProject(*a, path);
    benchmark::DoNotOptimize(a->frm.picMap.image().constBits());
    state.PauseTiming();
    a.reset();
    state.ResumeTiming();
  }
  SetAppPathForTesting("");
}
BENCHMARK(BM_LoadProject)->Args({40, 25})->Args({256, 128})->Unit(benchmark::kMillisecond);

}  // namespace
