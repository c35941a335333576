#include "d64/DirectoryArt.h"
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

TEST(D64Export, TheDefaultProjectIsWrittenByteForByte) {
  std::vector<D64Source> sources = D64DirectoryArtSources();  // and the four documents
  for (auto [name, head, n, fill] : {std::tuple{"MWRT.Blank.PRG", Bytes{0, 0, 255, 127}, 32772, 0},
                                     {"TYPE.Blank.TYP", Bytes{}, 32768, 0},
                                     {"TILE.Blank.prg", Bytes{0x00, 0x70}, 2050, 0},
                                     {"CMAP.Blank.CMP", Bytes{0x3D, 0x32}, 258, 1}}) {
    head.resize(size_t(n), uint8_t(fill));  // each document as its saver writes it
    sources.push_back(program(name, head));
  }
  const std::vector<Listed> files = {{130, "mwrt.blank", "prg"}, {130, "type.blank", "prg"},
                                     {9, "tile.blank", "prg"}, {2, "cmap.blank", "prg"}};
  const Bytes image = writeChecked(sources, "BLANK", kListedArt + files, 393);
  // Free blocks and their bits, tracks 1 to 35: files take blocks ten sectors apart,
  // outwards from track 18 (the datamap from 17/0 down, the datatype from 19/0 up).
  Bytes bam;
  for (int t = 1; t <= 35; ++t)
    bam = bam + (t <= 10 ? Bytes{0x15, 0xFF, 0xFF, 0x1F} : t == 11 ? Bytes{0x0F, 0xFC, 0xF1, 0x0F}
                 : t == 18 ? Bytes{0x10, 0xEC, 0xFF, 0x07} : t == 26 ? Bytes{0x0B, 0xAB, 0xAE, 0x02}
                 : t <= 25 ? Bytes(4, 0) : t <= 30 ? Bytes{0x12, 0xFF, 0xFF, 0x03}
                           : Bytes{0x11, 0xFF, 0xFF, 0x01});
  EXPECT_EQ(bytesAt(image, 18, 0, 4, 140), bam);
  const char* art[8] = {
      "\x75\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\x69",
      "\xDD MOSAICWRIGHT \xDD", "\xDD" "EXPORTED FILES" "\xDD",
      "\xAB\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xB3", "bx BY TAMBLIX xb",
      "\xDD OSTREL FORGE \xDD", "\xDD C64 TILE MAPS\xDD",
      "\x6A\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\x6B",
  };
  Bytes first;  // DEL entries of 0 blocks, the first linking to 18/4
  for (int k = 0; k < 8; ++k)
    first = first + entry({uint8_t(k ? 0 : 18), uint8_t(k ? 0 : 4), 0x80, 0, 0}, art[k], 0);
  EXPECT_EQ(bytesAt(image, 18, 1, 0, 256), first);
  // The validation is no rubber stamp: one BAM bit flipped (26/0, free, shown as used) fails it.
  Bytes broken = image;
  broken[size_t(offsetOf(18, 0) + 4 * 26 + 1)] ^= 0x01;
  QTemporaryDir dir;
  writeBytes(dir.filePath("broken.d64").toStdString(), broken);
  EXPECT_FALSE(cc1541Validates(dir.filePath("broken.d64").toStdString()));
}

TEST(D64Export, BlockCountsFollowTheFileSizeAndTheDirectoryFillsTrack18) {
  // Sizes and blocks (extracted byte-identical, so each last block ends where it must); the
  // art entries have 0 bytes, and files of one byte fill the directory's 144 entries.
  const std::pair<size_t, int> rows[] = {{1, 1}, {254, 1}, {255, 2}, {508, 2}, {509, 3}};
  std::vector<D64Source> sources = D64DirectoryArtSources();
  std::vector<Listed> listed = kListedArt;
  for (size_t i = 0; i < 136; ++i) {
    sources.push_back(program("s" + std::to_string(i) + ".prg",
                              patterned(i < 5 ? rows[i].first : 1)));
    listed.push_back({i < 5 ? rows[i].second : 1, "s" + std::to_string(i), "prg"});
  }
  const Bytes image = writeChecked(sources, "SIZES", listed, 664 - 140);
  std::vector<TS> directory;
  for (int s : {1, 4, 7, 10, 13, 16, 2, 5, 8, 11, 14, 17, 3, 6, 9, 12, 15, 18})
    directory.push_back({18, s});
  EXPECT_EQ(chainFrom(image, 18, 1), directory);
}

TEST(D64Export, AFileFillingTheDiskRunsDownToTrack1ThenUpToTrack35) {
  const Bytes image = writeChecked({program("FULL.PRG", patterned(664 * 254))}, "FULL",
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
