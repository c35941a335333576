#include "d64/DirectoryArt.h"
#include "d64_support.h"

using namespace d64test;

namespace {

D64Source program(const std::string& name, Bytes bytes) {
  return {name, std::move(bytes), D64Source::Kind::Program};
}

// Bytes whose every block differs from its neighbours, so a misplaced block shows.
Bytes patterned(size_t size, uint8_t seed) {
  Bytes b(size);
  for (size_t i = 0; i < size; ++i) b[i] = uint8_t(seed + i * 7 + i / 254 * 13);
  return b;
}

// The default project's four documents as their savers write them, after the art.
std::vector<D64Source> defaultSources() {
  std::vector<D64Source> s = D64DirectoryArtSources();
  s.push_back(program("MWRT.Blank.PRG", {0x00, 0x00, 0xFF, 0x7F}));
  s.push_back(program("TYPE.Blank.TYP", Bytes(32768, 0)));
  s.push_back(program("TILE.Blank.prg", {0x00, 0x70}));
  s.push_back(program("CMAP.Blank.CMP", {0x3D, 0x32}));
  s[8].bytes.resize(32772);
  s[10].bytes.resize(2050);
  s[11].bytes.resize(258, 0x01);
  return s;
}

// Writes the image, has cc1541 check and list it and cbmconvert extract every program file.
Bytes writeChecked(const std::vector<D64Source>& sources, const std::string& diskName,
                   const std::vector<Listed>& listed, int blocksFree) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("disk.d64").toStdString();
  const D64Error e = WriteD64(path, diskName, kD64ExportDiskId, sources);
  EXPECT_FALSE(e) << *e;
  std::vector<std::pair<std::string, Bytes>> extracted;
  for (size_t i = 0; i < sources.size() && i < listed.size(); ++i)
    if (sources[i].kind == D64Source::Kind::Program)
      extracted.push_back({std::get<1>(listed[i]), sources[i].bytes});
  std::string listedName = diskName;
  for (char& c : listedName) c = char(std::tolower(c));
  expectImage(path, listedName + std::string(16 - diskName.size(), ' '), listed, blocksFree,
              extracted);
  return readBytes(path);
}

std::vector<TS> onTrack(int track, const std::vector<int>& sectors) {
  std::vector<TS> out;
  for (int s : sectors) out.push_back({track, s});
  return out;
}

}  // namespace

TEST(D64Export, TheDefaultProjectIsWrittenByteForByte) {
  const std::vector<Listed> files = {{130, "mwrt.blank", "prg"}, {130, "type.blank", "prg"},
                                     {9, "tile.blank", "prg"}, {2, "cmap.blank", "prg"}};
  const Bytes image = writeChecked(defaultSources(), "BLANK", kListedArt + files, 393);
  // Files take blocks ten sectors apart, outwards from track 18: the datamap from 17/0 down.
  std::vector<TS> datamap;
  for (int t = 17; t >= 11; --t)
    datamap = datamap + onTrack(t, {0, 10, 20, 9, 19, 8, 18, 7, 17, 6, 16, 5, 15, 4, 14, 3, 13,
                                    2, 12, 1, 11});
  datamap.resize(130);
  EXPECT_EQ(chainFrom(image, 17, 0), datamap);
  // 32772 = 129 x 254 + 6, 32768 = 129 x 254 + 2, 2050 = 8 x 254 + 18, 258 = 254 + 4
  EXPECT_EQ(bytesAt(image, 11, 9, 0, 2), (Bytes{0x00, 0x07}));
  EXPECT_EQ(bytesAt(image, 25, 8, 0, 2), (Bytes{0x00, 0x03}));
  EXPECT_EQ(bytesAt(image, 26, 8, 0, 2), (Bytes{0x00, 0x13}));
  EXPECT_EQ(bytesAt(image, 11, 11, 0, 7), (Bytes{0x00, 0x05, 0x01, 0x01, 0x01, 0x01, 0x00}));

  Bytes bam;  // free blocks and their bits, tracks 1 to 35
  for (int t = 1; t <= 35; ++t)
    bam = bam + (t <= 10 ? Bytes{0x15, 0xFF, 0xFF, 0x1F} : t == 11 ? Bytes{0x0F, 0xFC, 0xF1, 0x0F}
                 : t == 18 ? Bytes{0x10, 0xEC, 0xFF, 0x07} : t == 26 ? Bytes{0x0B, 0xAB, 0xAE, 0x02}
                 : t <= 25 ? Bytes(4, 0) : t <= 30 ? Bytes{0x12, 0xFF, 0xFF, 0x03}
                           : Bytes{0x11, 0xFF, 0xFF, 0x01});
  EXPECT_EQ(bytesAt(image, 18, 0, 4, 140), bam);
  const char* art[8] = {
      "\x75\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\x69",
      "\xDD MOSAICWRIGHT \xDD", "\xDD" "EXPORTED FILES" "\xDD",
      "\xAB\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xB3",
      "\x62\x78\x20\x42\x59\x20\x54\x41\x4D\x42\x4C\x49\x58\x20\x78\x62",
      "\xDD OSTREL FORGE \xDD", "\xDD C64 TILE MAPS\xDD",
      "\x6A\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\x6B",
  };
  Bytes first;
  for (int k = 0; k < 8; ++k)
    first = first + entry({uint8_t(k ? 0 : 18), uint8_t(k ? 0 : 4), 0x80, 0, 0}, art[k], 0);
  EXPECT_EQ(bytesAt(image, 18, 1, 0, 256), first);
  EXPECT_EQ(bytesAt(image, 18, 4, 0, 256), entry({0x00, 0xFF, 0x82, 17, 0}, "MWRT.BLANK", 130) +
                                               entry({0x00, 0x00, 0x82, 19, 0}, "TYPE.BLANK", 130) +
                                               entry({0x00, 0x00, 0x82, 25, 0}, "TILE.BLANK", 9) +
                                               entry({0x00, 0x00, 0x82, 11, 1}, "CMAP.BLANK", 2) +
                                               Bytes(128, 0));
  // The validation is no rubber stamp: one BAM bit flipped (26/0, free, shown as used) fails it.
  Bytes broken = image;
  broken[size_t(offsetOf(18, 0) + 4 * 26 + 1)] ^= 0x01;
  QTemporaryDir dir;
  writeBytes(dir.filePath("broken.d64").toStdString(), broken);
  EXPECT_FALSE(cc1541Validates(dir.filePath("broken.d64").toStdString()));
}

TEST(D64Export, BlockCountsAndLastBlockBytesFollowTheFileSize) {
  // size, blocks, the index of the last block's last byte; the art entries have 0 bytes.
  const std::tuple<size_t, uint8_t, uint8_t> rows[] = {
      {1, 1, 0x02}, {254, 1, 0xFF}, {255, 2, 0x02}, {508, 2, 0xFF}, {509, 3, 0x02}};
  std::vector<D64Source> sources = D64DirectoryArtSources();
  std::vector<Listed> listed = kListedArt;
  for (const auto& [size, blocks, last] : rows) {
    sources.push_back(program("s" + std::to_string(size) + ".prg", patterned(size, 3)));
    listed.push_back({blocks, "s" + std::to_string(size), "prg"});
  }
  const Bytes image = writeChecked(sources, "SIZES", listed, 664 - 9);
  for (int i = 0; i < 5; ++i) {
    const auto& [size, blocks, last] = rows[i];
    const Bytes e = bytesAt(image, 18, 4, 32 * i, 32);
    const std::vector<TS> chain = chainFrom(image, e[3], e[4]);
    ASSERT_EQ(std::tuple(chain.size(), e[0x1E]), std::tuple(size_t(blocks), blocks)) << size;
    EXPECT_EQ(bytesAt(image, chain.back().track, chain.back().sector, 0, 2), (Bytes{0, last}));
  }
}

TEST(D64Export, AFileFillingTheDiskRunsDownToTrack1ThenUpToTrack35) {
  const Bytes image =
      writeChecked({program("FULL.PRG", patterned(664 * 254, 1))}, "FULL", {{664, "full", "prg"}}, 0);
  const std::vector<TS> chain = chainFrom(image, 17, 0);
  ASSERT_EQ(chain.size(), 664u);
  EXPECT_EQ(std::tuple(chain[21], chain[356].track, chain[357], chain[663].track),
            std::tuple(TS{16, 0}, 1, TS{19, 0}, 35));
  EXPECT_EQ(bytesAt(image, 18, 0, 4 * 18, 4), (Bytes{0x11, 0xFC, 0xFF, 0x07}));
}

TEST(D64Export, ADirectoryFillingTrack18HoldsOneHundredFortyFourFiles) {
  std::vector<D64Source> sources;
  std::vector<Listed> listed;
  for (int i = 0; i < 144; ++i) {
    sources.push_back(program("n" + std::to_string(i) + ".prg", Bytes{uint8_t(i)}));
    listed.push_back({1, "n" + std::to_string(i), "prg"});
  }
  const Bytes image = writeChecked(sources, "DIR", listed, 664 - 144);
  EXPECT_EQ(chainFrom(image, 18, 1),
            onTrack(18, {1, 4, 7, 10, 13, 16, 2, 5, 8, 11, 14, 17, 3, 6, 9, 12, 15, 18}));
  EXPECT_EQ(bytesAt(image, 18, 0, 4 * 18, 4), Bytes(4, 0));
}

TEST(D64Export, ARefusedExportLeavesTheTargetFileAsItWas) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("keep.d64").toStdString();
  writeBytes(path, patterned(5000, 42));
  std::vector<D64Source> noTileset = defaultSources();
  noTileset[10].bytes.clear();
  // Each file fits alone: the blocks are counted before any is written.
  const std::vector<D64Source> tooBig = {program("A.PRG", Bytes(400 * 254)),
                                         program("B.PRG", Bytes(264 * 254 + 1))};
  const std::vector<D64Source> tooMany(145, {"x", {}, D64Source::Kind::Art});
  for (const auto& [sources, mention] : {std::pair{noTileset, "TILE.Blank.prg"},
                                         std::pair{tooBig, "665"}, std::pair{tooMany, "144"}}) {
    const D64Error e = WriteD64(path, "BLANK", kD64ExportDiskId, sources);
    ASSERT_TRUE(e) << mention;
    EXPECT_NE(e->find(mention), std::string::npos) << *e;
    EXPECT_EQ(readBytes(path), patterned(5000, 42)) << mention;
  }
}
