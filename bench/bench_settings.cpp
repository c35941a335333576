#include <benchmark/benchmark.h>

#include <cstdio>

#include "model/App.h"
#include "model/Settings.h"
#include "platform/IniFile.h"

namespace {

// Start-up's reads (about 314 keys) from one parse of a settings file that
// holds every key, followed by the given filler.
void readSettings(benchmark::State& state, const std::string& filler) {
  std::string text = "[Defaults]\nAskSave=True\nSelectColor=16744448\n[Files]\nTile=/t.prg\n";
  text += "[Window]\nState=2\nTop=1500\n[ColorPalette]\nColor0=0,0,0\n[MRU]\nTILE0=/t.prg\n";
  text += "[DataTypes]\n";
  for (int v = 0; v < 256; ++v) {
    char line[32];
    std::snprintf(line, sizeof line, "D%03d=\"Tag %d\"\n", v, v);
    text += line;
  }
  text += filler;
  App a;
  for (auto _ : state) ApplySettings(a, IniSnapshot::fromText(text));
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}

void BM_Settings_Typical(benchmark::State& state) { readSettings(state, ""); }
BENCHMARK(BM_Settings_Typical)->Unit(benchmark::kMicrosecond);

// A hand-edited file padded with 2 MiB of empty lines.
void BM_Settings_TwoMiBOfLineFeeds(benchmark::State& state) {
  readSettings(state, std::string(2 << 20, '\n'));
}
BENCHMARK(BM_Settings_TwoMiBOfLineFeeds)->Unit(benchmark::kMillisecond);

// The worst an INI file under the length limit can do: a key on every line.
void BM_Settings_KeysUpToTheLimit(benchmark::State& state) {
  std::string filler = "[Filler]\n";
  for (int i = 0; filler.size() + 12 + (16 << 10) < kIniFileLimit; ++i) filler += std::to_string(i) + "=\n";
  readSettings(state, filler);
}
BENCHMARK(BM_Settings_KeysUpToTheLimit)->Unit(benchmark::kMillisecond);

// One start-up path of 15 MiB, which reads cut to 4,095 bytes.
void BM_Settings_OneFifteenMiBValue(benchmark::State& state) {
  readSettings(state, "[More]\nMap=/" + std::string(15 << 20, 'm') + "\n");
}
BENCHMARK(BM_Settings_OneFifteenMiBValue)->Unit(benchmark::kMillisecond);

}  // namespace
