#include "d64/D64Image.h"
#include "d64_support.h"

using namespace d64test;

namespace {

D64Source program(const std::string& name, Bytes bytes) {
  return {name, std::move(bytes), D64Source::Kind::Program};
}

// Bytes whose every block differs from its neighbours, so a misplaced block shows.
Bytes patterned(size_t size) {
  Bytes b(size);
  for (size_t i = 0; i < size; ++i) b[i] = uint8_t(3 + i * 7 + i / 254 * 13);
  return b;
}

// Writes the image; cc1541 checks and lists it, cbmconvert extracts every program file.
Bytes writeChecked(const std::vector<D64Source>& sources, std::string diskName,
                   const std::vector<Listed>& listed, int blocksFree) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("disk.d64").toStdString();
  const D64Error e = WriteD64(path, diskName, kD64ExportDiskId, sources);
  EXPECT_FALSE(e) << *e;
  std::vector<std::pair<std::string, Bytes>> extracted;
  for (size_t i = 0; i < sources.size(); ++i)
    if (sources[i].kind == D64Source::Kind::Program)
      extracted.push_back({std::get<1>(listed[i]), sources[i].bytes});
  diskName.resize(16, ' ');
  std::transform(diskName.begin(), diskName.end(), diskName.begin(), ::tolower);
  expectImage(path, diskName, listed, blocksFree, extracted);
  return readBytes(path);
}

}  // namespace

TEST(D64Export, BlockCountsFollowTheFileSizeAndTheDirectoryFillsTrack18) {
  // Sizes and blocks (extracted byte-identical, so each last block ends where it must); files
  // of one byte fill the directory's 144 entries.
  const std::pair<size_t, int> rows[] = {{1, 1}, {254, 1}, {255, 2}, {508, 2}, {509, 3}};
  std::vector<D64Source> sources;
  std::vector<Listed> listed;
  for (size_t i = 0; i < 144; ++i) {
    sources.push_back(program("az" + std::to_string(i) + ".prg",
                              patterned(i < 5 ? rows[i].first : 1)));
    listed.push_back({i < 5 ? rows[i].second : 1, "az" + std::to_string(i), "prg"});
  }
  const Bytes image = writeChecked(sources, "SIZES", listed, 664 - 148);
  EXPECT_EQ(bytesAt(image, 18, 1, 5, 4), (Bytes{'A', 'Z', '0', 0xA0}));  // upper-case PETSCII
  std::vector<TS> directory;
  for (int s : {1, 4, 7, 10, 13, 16, 2, 5, 8, 11, 14, 17, 3, 6, 9, 12, 15, 18})
    directory.push_back({18, s});
  EXPECT_EQ(chainFrom(image, 18, 1), directory);
}

TEST(D64Export, ADirectoryLinkPastTheLastSectorOfTrack18EndsTheWalkThere) {
  D64Image image;
  CreateBlankD64(image, "X", kD64ExportDiskId);
  image.block(offsetOf(18, 1) / 256)[0] = 18;
  image.block(offsetOf(18, 1) / 256)[1] = 19;  // one past 18's last sector: block 376, 19/0
  D64Model m;
  ReadD64Directory(m, image);
  EXPECT_EQ(m.D64FileName[8], "");  // no entries read from 19/0
  m.D64BlockUsed[376] = 1;          // nor is a file's block there freed
  EXPECT_FALSE(ReleaseDirectorySectors(m, image));
  EXPECT_EQ(m.D64BlockUsed[376], 1);
}

TEST(D64Export, AFileFillingTheDiskRunsDownToTrack1ThenUpToTrack35) {
  const Bytes image = writeChecked({program("FULL.PRG", patterned(664 * 254))}, "FULL DISK",
                                   {{664, "full", "prg"}}, 0);
  const std::vector<TS> chain = chainFrom(image, 17, 0);
  ASSERT_EQ(chain.size(), 664u);
  EXPECT_EQ(std::tuple(chain[21], chain[356].track, chain[357], chain[663].track),
            std::tuple(TS{16, 0}, 1, TS{19, 0}, 35));
}

TEST(D64Export, ARefusedExportLeavesTheTargetFileAsItWas) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("keep.d64").toStdString();
  writeBytes(path, patterned(5000));
  // Each file fits alone: the blocks are counted before any is written.
  const std::vector<D64Source> tooBig = {program("A.PRG", Bytes(400 * 254)),
                                         program("B.PRG", Bytes(264 * 254 + 1))};
  const std::vector<D64Source> tooMany(145, {"x", {}, D64Source::Kind::Art}),
      empty = {program("TILE.prg", {})};
  for (const auto& [sources, mention] :
       {std::pair{tooBig, "665"}, std::pair{tooMany, "144"}, std::pair{empty, "TILE.prg"}}) {
    const D64Error e = WriteD64(path, "BLANK", kD64ExportDiskId, sources);
    EXPECT_NE(e.value_or("").find(mention), std::string::npos) << mention;
    EXPECT_EQ(readBytes(path), patterned(5000)) << mention;
  }
}
