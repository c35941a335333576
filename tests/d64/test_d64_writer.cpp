#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "d64/D64Writer.h"
#include "d64/DirectoryArt.h"
#include "d64_support.h"

using namespace d64test;

namespace {

Bytes bytesOf(const std::string& s) { return Bytes(s.begin(), s.end()); }

Bytes entry(uint8_t l0, uint8_t l1, uint8_t type, uint8_t track, uint8_t sector,
            const std::string& name16, uint8_t lo, uint8_t hi) {
  Bytes e{l0, l1, type, track, sector};
  const Bytes name = bytesOf(name16);
  e.insert(e.end(), name.begin(), name.end());
  e.insert(e.end(), 9, 0x00);
  e.push_back(lo);
  e.push_back(hi);
  return e;
}

std::string pad(const std::string& s) { return s + std::string(16 - s.size(), '\xA0'); }

Bytes build(const std::vector<D64Source>& sources, D64Model* model = nullptr) {
  D64Image image;
  const D64Error e = BuildD64(image, "BLANK", kD64ExportDiskId, sources, model);
  EXPECT_FALSE(e) << *e;
  return image.bytes();
}

Bytes bamEntry(const Bytes& image, int track) {
  const uint8_t* e = sectorAt(image, 18, 0) + 4 + 4 * (track - 1);
  return Bytes(e, e + 4);
}

// Tracks 17 to 12 and 19 to 24 are filled in the interleave-10 order.
const std::vector<int> k21 = {0, 10, 20, 9, 19, 8, 18, 7, 17, 6, 16, 5, 15, 4, 14, 3, 13, 2, 12, 1, 11};
const std::vector<int> k19 = {0, 10, 1, 11, 2, 12, 3, 13, 4, 14, 5, 15, 6, 16, 7, 17, 8, 18, 9};

std::vector<TS> operator+(std::vector<TS> a, const std::vector<TS>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace

class D64DefaultProject : public ::testing::Test {
 protected:
  void SetUp() override { image = build(defaultExportSources(), &model); }
  Bytes image;
  D64Model model;
};

TEST_F(D64DefaultProject, FilesTakeTheirBlocksInInterleaveOrderAroundTrack18) {
  std::vector<TS> datamap;
  for (int t = 17; t >= 12; --t) datamap = datamap + onTrack(t, k21);
  datamap = datamap + onTrack(11, {0, 10, 20, 9});
  EXPECT_EQ(chainFrom(image, 17, 0), datamap);

  std::vector<TS> datatype;
  for (int t = 19; t <= 24; ++t) datatype = datatype + onTrack(t, k19);
  datatype = datatype + onTrack(25, {1, 11, 3, 13, 5, 15, 7, 17, 9, 2, 12, 4, 14, 6, 16, 8});
  EXPECT_EQ(chainFrom(image, 19, 0), datatype);

  EXPECT_EQ(chainFrom(image, 25, 0), onTrack(25, {0, 10}) + onTrack(26, {2, 12, 4, 14, 6, 16, 8}));
  EXPECT_EQ(chainFrom(image, 11, 1), onTrack(11, {1, 11}));
}

TEST_F(D64DefaultProject, FilesReadBackByteForByte) {
  EXPECT_EQ(fileFrom(image, 17, 0), defaultDatamap());
  EXPECT_EQ(fileFrom(image, 19, 0), defaultDatatype());
  EXPECT_EQ(fileFrom(image, 25, 0), defaultTileset());
  EXPECT_EQ(fileFrom(image, 11, 1), defaultColormap());
}

TEST_F(D64DefaultProject, LastBlocksCountTheirBytes) {
  // 32772 = 129 x 254 + 6, 32768 = 129 x 254 + 2, 2050 = 8 x 254 + 18, 258 = 254 + 4
  EXPECT_EQ(Bytes(sectorAt(image, 11, 9), sectorAt(image, 11, 9) + 2), (Bytes{0x00, 0x07}));
  EXPECT_EQ(Bytes(sectorAt(image, 25, 8), sectorAt(image, 25, 8) + 2), (Bytes{0x00, 0x03}));
  EXPECT_EQ(Bytes(sectorAt(image, 26, 8), sectorAt(image, 26, 8) + 2), (Bytes{0x00, 0x13}));
  EXPECT_EQ(Bytes(sectorAt(image, 11, 11), sectorAt(image, 11, 11) + 2), (Bytes{0x00, 0x05}));
  // Bytes after the colormap's last byte stay zero.
  const uint8_t* last = sectorAt(image, 11, 11);
  EXPECT_EQ(Bytes(last + 2, last + 7), (Bytes{0x01, 0x01, 0x01, 0x01, 0x00}));
}

TEST_F(D64DefaultProject, BamRecordsEveryBlockTaken) {
  EXPECT_EQ(bamEntry(image, 11), (Bytes{0x0F, 0xFC, 0xF1, 0x0F}));
  for (int t : {12, 13, 14, 15, 16, 17, 19, 20, 21, 22, 23, 24, 25})
    EXPECT_EQ(bamEntry(image, t), (Bytes{0x00, 0x00, 0x00, 0x00})) << t;
  EXPECT_EQ(bamEntry(image, 18), (Bytes{0x10, 0xEC, 0xFF, 0x07}));
  EXPECT_EQ(bamEntry(image, 26), (Bytes{0x0B, 0xAB, 0xAE, 0x02}));
  for (int t = 1; t <= 10; ++t) EXPECT_EQ(bamEntry(image, t), (Bytes{0x15, 0xFF, 0xFF, 0x1F})) << t;
  for (int t = 27; t <= 30; ++t) EXPECT_EQ(bamEntry(image, t), (Bytes{0x12, 0xFF, 0xFF, 0x03})) << t;
  for (int t = 31; t <= 35; ++t) EXPECT_EQ(bamEntry(image, t), (Bytes{0x11, 0xFF, 0xFF, 0x01})) << t;
  EXPECT_EQ(freeBlocksOutsideTrack18(image), 393);
  // The rest of the BAM sector is that of the blank image.
  const uint8_t* bam = sectorAt(image, 18, 0);
  EXPECT_EQ(Bytes(bam, bam + 4), (Bytes{0x12, 0x01, 0x41, 0x00}));
  EXPECT_EQ(Bytes(bam + 0x90, bam + 0xAB),
            bytesOf(pad("BLANK") + "\xA0\xA0" "00\xA0" "1A\xA0\xA0\xA0\xA0"));
}

TEST_F(D64DefaultProject, ArtFillsTheFirstDirectorySector) {
  const char* art[8] = {
      "\x75\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\x69",
      "\xDD MOSAICWRIGHT \xDD",
      "\xDD" "EXPORTED FILES" "\xDD",
      "\xAB\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xB3",
      "\x62\x78\x20\x42\x59\x20\x54\x41\x4D\x42\x4C\x49\x58\x20\x78\x62",
      "\xDD OSTREL FORGE \xDD",
      "\xDD C64 TILE MAPS\xDD",
      "\x6A\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\x6B",
  };
  for (int k = 0; k < 8; ++k) {
    const uint8_t l0 = k == 0 ? 0x12 : 0x00, l1 = k == 0 ? 0x04 : 0x00;
    EXPECT_EQ(entryAt(image, 1, k), entry(l0, l1, 0x80, 0, 0, art[k], 0, 0)) << "entry " << k;
  }
}

TEST_F(D64DefaultProject, ProgramsFollowInTheSecondDirectorySector) {
  EXPECT_EQ(entryAt(image, 4, 0), entry(0x00, 0xFF, 0x82, 17, 0, pad("MWRT.BLANK"), 0x82, 0x00));
  EXPECT_EQ(entryAt(image, 4, 1), entry(0x00, 0x00, 0x82, 19, 0, pad("TYPE.BLANK"), 0x82, 0x00));
  EXPECT_EQ(entryAt(image, 4, 2), entry(0x00, 0x00, 0x82, 25, 0, pad("TILE.BLANK"), 0x09, 0x00));
  EXPECT_EQ(entryAt(image, 4, 3), entry(0x00, 0x00, 0x82, 11, 1, pad("CMAP.BLANK"), 0x02, 0x00));
  const uint8_t* s = sectorAt(image, 18, 4);
  for (int i = 0x80; i < 256; ++i) EXPECT_EQ(s[i], 0) << i;
}

TEST_F(D64DefaultProject, NoOtherSectorOfTrack18IsWritten) {
  for (int s : {2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}) {
    const uint8_t* sec = sectorAt(image, 18, s);
    EXPECT_EQ(Bytes(sec, sec + 256), Bytes(256, 0)) << "sector " << s;
  }
}

TEST_F(D64DefaultProject, ModelHoldsTheFinalTable) {
  EXPECT_EQ(model.D64FileName[8], pad("MWRT.BLANK"));
  EXPECT_EQ(model.D64FileTrack[10], 25);
  EXPECT_EQ(model.D64FileBlocksLo[9], 130);
  EXPECT_TRUE(model.D64FileName[12].empty());
}

TEST(D64Export, EveryExportStartsFromAFreshModel) {
  D64Model stale;
  stale.D64FileName[12] = "EARLIER.PRG";
  stale.D64FileTrack[12] = 5;
  stale.D64FileTrack[3] = 17;
  stale.D64FileSector[3] = 4;
  stale.D64FileBlocksLo[3] = 9;
  for (auto& used : stale.D64BlockUsed) used = 1;
  const Bytes fresh = build(defaultExportSources());
  EXPECT_EQ(build(defaultExportSources(), &stale), fresh);
  EXPECT_TRUE(stale.D64FileName[12].empty());
}

TEST(D64Export, BlockCountsAndLastBlockBytesFollowTheSize) {
  struct Case {
    size_t size;
    int blocks;
    uint8_t lastByteCount;
  };
  const Case cases[] = {{1, 1, 0x02}, {254, 1, 0xFF}, {255, 2, 0x02}, {508, 2, 0xFF}, {509, 3, 0x02}};
  for (const Case& c : cases) {
    D64Model m;
    const Bytes data = patterned(c.size, 3);
    const Bytes image = build({program("F.PRG", data)}, &m);
    EXPECT_EQ(m.D64FileBlocksLo[0], c.blocks) << c.size;
    EXPECT_EQ(m.D64FileBlocksHi[0], 0) << c.size;
    const std::vector<TS> chain = chainFrom(image, 17, 0);
    ASSERT_EQ(static_cast<int>(chain.size()), c.blocks) << c.size;
    const uint8_t* last = sectorAt(image, chain.back().track, chain.back().sector);
    EXPECT_EQ(last[0], 0x00) << c.size;
    EXPECT_EQ(last[1], c.lastByteCount) << c.size;
    EXPECT_EQ(fileFrom(image, 17, 0), data) << c.size;
    EXPECT_EQ(freeBlocksOutsideTrack18(image), 664 - c.blocks) << c.size;
  }
}

TEST(D64Export, EmptyArtEntryTakesNoBlockAndLeavesTheBamAlone) {
  D64Model m;
  const Bytes image = build(D64DirectoryArtSources(), &m);
  EXPECT_EQ(m.D64FileBlocksLo[0], 0);
  EXPECT_EQ(entryAt(image, 1, 7).at(3), 0x00);
  EXPECT_EQ(entryAt(image, 1, 7).at(4), 0x00);
  EXPECT_EQ(freeBlocksOutsideTrack18(image), 664);
  // Eight entries fit one sector: the chain ends on 18/1.
  EXPECT_EQ(sectorAt(image, 18, 1)[0], 0x00);
  EXPECT_EQ(sectorAt(image, 18, 1)[1], 0xFF);
}

TEST(D64Export, LargeFileGetsAHighBlockCountByte) {
  D64Model m;
  const Bytes data = patterned(300 * 254 - 10, 9);
  const Bytes image = build({program("BIG.PRG", data)}, &m);
  EXPECT_EQ(entryAt(image, 1, 0).at(0x1E), 0x2C);
  EXPECT_EQ(entryAt(image, 1, 0).at(0x1F), 0x01);
  EXPECT_EQ(fileFrom(image, 17, 0), data);
}

TEST(D64Export, ADiskFilledToTheLastBlockHoldsEveryByte) {
  const Bytes data = patterned(664 * 254, 1);
  const Bytes image = build({program("FULL.PRG", data)});
  EXPECT_EQ(chainFrom(image, 17, 0).size(), 664u);
  EXPECT_EQ(fileFrom(image, 17, 0), data);
  EXPECT_EQ(freeBlocksOutsideTrack18(image), 0);
  EXPECT_EQ(bamEntry(image, 18), (Bytes{0x11, 0xFC, 0xFF, 0x07}));
}

TEST(D64Export, TwoFilesOfTheSameNameKeepTheirOwnBytes) {
  const Bytes a = patterned(600, 1), b = patterned(300, 2);
  const Bytes image = build({program("SAME.PRG", a), program("SAME.PRG", b)});
  const Bytes first = entryAt(image, 1, 0), second = entryAt(image, 1, 1);
  EXPECT_EQ(Bytes(first.begin() + 5, first.begin() + 21), Bytes(second.begin() + 5, second.begin() + 21));
  EXPECT_EQ(fileFrom(image, first[3], first[4]), a);
  EXPECT_EQ(fileFrom(image, second[3], second[4]), b);
}

TEST(D64Export, ManyEntriesChainDirectorySectorsThreeApart) {
  std::vector<D64Source> sources;
  for (int i = 0; i < 20; ++i) sources.push_back(program("F" + std::to_string(i) + ".PRG", Bytes{1}));
  const Bytes image = build(sources);
  EXPECT_EQ(chainFrom(image, 18, 1), (std::vector<TS>{{18, 1}, {18, 4}, {18, 7}}));
  EXPECT_EQ(entryAt(image, 7, 3), entry(0x00, 0x00, 0x82, 17, 19, pad("F19"), 1, 0));
  EXPECT_EQ(bamEntry(image, 18), (Bytes{0x0F, 0x6C, 0xFF, 0x07}));
}

TEST(D64EntryNames, ExtensionIsDroppedAndLettersUpperCased) {
  EXPECT_EQ(D64EntryName("MWRT.Blank.PRG"), pad("MWRT.BLANK"));
  EXPECT_EQ(D64EntryName("/home/me/maps/town.map"), pad("TOWN"));
  EXPECT_EQ(D64EntryName("abcdefghijklmnopqrstuvwxyz.prg"), "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(D64EntryName(".prg"), pad(""));
  EXPECT_EQ(D64EntryName("ab"), pad(""));
  EXPECT_EQ(D64EntryName(""), pad(""));
  // The last four characters go whatever they are.
  EXPECT_EQ(D64EntryName("README"), pad("RE"));
}

TEST(D64EntryNames, CharactersOutsidePrintableAsciiBecomeQuestionMarks) {
  EXPECT_EQ(D64EntryName("Gr\xC3\xBCne Au.prg"), pad("GR?NE AU"));
  EXPECT_EQ(D64EntryName("tab\there.prg"), pad("TAB?HERE"));
  // Four characters, not four bytes, make the extension.
  EXPECT_EQ(D64EntryName("map.\xC3\xA9xt"), pad("MAP"));
}

TEST(D64EntryNames, ArtNamesStayAsTheyStand) {
  EXPECT_EQ(D64ArtEntryName("bx BY TAMBLIX xb"), "bx BY TAMBLIX xb");
  EXPECT_EQ(D64ArtEntryName(kD64DirectoryArt[0]), kD64DirectoryArt[0]);
  for (const std::string& art : kD64DirectoryArt) EXPECT_EQ(art.size(), 16u);
}

TEST(D64Refusals, AnEmptyProgramFileIsRefused) {
  D64Image image;
  auto sources = defaultExportSources();
  sources[10].bytes.clear();
  const D64Error e = BuildD64(image, "BLANK", kD64ExportDiskId, sources);
  ASSERT_TRUE(e);
  EXPECT_NE(e->find("TILE.Blank.prg"), std::string::npos) << *e;
}

TEST(D64Refusals, FilesBeyondTheDisksCapacityAreRefusedBeforeAnyWrite) {
  D64Image image;
  const D64Error e = BuildD64(image, "X", kD64ExportDiskId,
                              {program("A.PRG", Bytes(400 * 254)), program("B.PRG", Bytes(264 * 254 + 1))});
  ASSERT_TRUE(e);
  EXPECT_NE(e->find("665"), std::string::npos) << *e;
  EXPECT_NE(e->find("664"), std::string::npos) << *e;
}

TEST(D64Refusals, MoreEntriesThanTrack18HoldsAreRefused) {
  D64Image image;
  std::vector<D64Source> sources(145, {"x", {}, D64Source::Kind::Art});
  EXPECT_TRUE(BuildD64(image, "X", kD64ExportDiskId, sources));
  sources.resize(144);
  EXPECT_FALSE(BuildD64(image, "X", kD64ExportDiskId, sources));
}

TEST(D64Refusals, ARefusedExportLeavesTheTargetFileAsItWas) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("keep.d64").toStdString();
  const Bytes before = patterned(5000, 42);
  writeFile(path, before);

  auto empty = defaultExportSources();
  empty[8].bytes.clear();
  EXPECT_TRUE(WriteD64(path, "BLANK", kD64ExportDiskId, empty));
  EXPECT_EQ(readFile(path), before);

  EXPECT_TRUE(WriteD64(path, "BLANK", kD64ExportDiskId, {program("HUGE.PRG", Bytes(664 * 254 + 1))}));
  EXPECT_EQ(readFile(path), before);
}

TEST(D64Refusals, AnUnwritableTargetIsAnErrorValue) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("no/such/folder/x.d64").toStdString();
  EXPECT_TRUE(WriteD64(path, "BLANK", kD64ExportDiskId, defaultExportSources()));
}

TEST(D64Export, AFullDirectoryUsesEveryDataSectorOfTrack18) {
  std::vector<D64Source> sources;
  for (int i = 0; i < 144; ++i) sources.push_back(program("F" + std::to_string(i) + ".PRG", Bytes{7}));
  const Bytes image = build(sources);
  const std::vector<int> order = {1, 4, 7, 10, 13, 16, 2, 5, 8, 11, 14, 17, 3, 6, 9, 12, 15, 18};
  EXPECT_EQ(chainFrom(image, 18, 1), onTrack(18, order));
  EXPECT_EQ(sectorAt(image, 18, 18)[1], 0xFF);
  EXPECT_EQ(entryAt(image, 18, 7).at(5), 'F');
  EXPECT_EQ(bamEntry(image, 18), (Bytes{0x00, 0x00, 0x00, 0x00}));
}

TEST(D64Export, DiskNameKeepsOneBytePerCharacter) {
  D64Image image;
  ASSERT_FALSE(BuildD64(image, "Gr\xC3\xBCne", kD64ExportDiskId, {}));
  const uint8_t* name = sectorAt(image.bytes(), 18, 0) + 0x90;
  EXPECT_EQ(Bytes(name, name + 6), (Bytes{'G', 'r', '?', 'n', 'e', 0xA0}));
}
