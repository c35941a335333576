#include <benchmark/benchmark.h>

#include "d64/D64Writer.h"
#include "d64/DirectoryArt.h"

namespace {

std::vector<D64Source> defaultProjectSources() {
  std::vector<D64Source> s = D64DirectoryArtSources();
  std::vector<uint8_t> datamap(32772, 0);
  datamap[2] = 0xFF;
  datamap[3] = 0x7F;
  std::vector<uint8_t> tileset(2050, 0);
  tileset[1] = 0x70;
  std::vector<uint8_t> colormap(258, 0x01);
  colormap[0] = 0x3D;
  colormap[1] = 0x32;
  s.push_back({"MWRT.Blank.PRG", datamap, D64Source::Kind::Program});
  s.push_back({"TYPE.Blank.TYP", std::vector<uint8_t>(32768, 0), D64Source::Kind::Program});
  s.push_back({"TILE.Blank.prg", tileset, D64Source::Kind::Program});
  s.push_back({"CMAP.Blank.CMP", colormap, D64Source::Kind::Program});
  return s;
}

// The whole export in memory: blank image, directory read, twelve copies each
// followed by a directory and BAM rewrite.
void BM_D64_DefaultProject(benchmark::State& state) {
  const std::vector<D64Source> sources = defaultProjectSources();
  for (auto _ : state) {
    D64Image image;
    D64Error e = BuildD64(image, "BLANK", kD64ExportDiskId, sources);
    benchmark::DoNotOptimize(e);
    benchmark::DoNotOptimize(image.bytes().data());
  }
}
BENCHMARK(BM_D64_DefaultProject);

// The allocator's worst case: every block of the disk in one file.
void BM_D64_FullDisk(benchmark::State& state) {
  const std::vector<D64Source> sources = {
      {"FULL.PRG", std::vector<uint8_t>(664 * 254, 0x5A), D64Source::Kind::Program}};
  for (auto _ : state) {
    D64Image image;
    D64Error e = BuildD64(image, "FULL", kD64ExportDiskId, sources);
    benchmark::DoNotOptimize(e);
  }
}
BENCHMARK(BM_D64_FullDisk);

}  // namespace
