#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "d64/D64Writer.h"
#include "d64/DirectoryArt.h"
#include "d64_support.h"

using namespace d64test;

// Images the writer makes must be real 1541 disks: cc1541 validates and lists
// them, cbmconvert gets every file back.
namespace {

// How cc1541 lists the eight art entries: its PETSCII-to-ASCII mapping shows
// $C0 as "@", $DD as "]", $AB and $B3 as "." and swaps the case of letters.
const std::vector<ListedEntry> kListedArt = {
    {0, "U@@@@@@@@@@@@@@I", "del"}, {0, "] mosaicwright ]", "del"}, {0, "]exported files]", "del"},
    {0, ".@@@@@@@@@@@@@@.", "del"}, {0, "BX by tamblix XB", "del"}, {0, "] ostrel forge ]", "del"},
    {0, "] c64 tile maps]", "del"}, {0, "J@@@@@@@@@@@@@@K", "del"},
};

std::vector<ListedEntry> withArt(const std::vector<ListedEntry>& programs) {
  std::vector<ListedEntry> all = kListedArt;
  all.insert(all.end(), programs.begin(), programs.end());
  return all;
}

class D64DiskTools : public ::testing::Test {
 protected:
  std::string write(const std::vector<D64Source>& sources, const std::string& diskName = "BLANK") {
    const std::string path = dir.filePath("disk.d64").toStdString();
    const D64Error e = WriteD64(path, diskName, kD64ExportDiskId, sources);
    EXPECT_FALSE(e) << *e;
    return path;
  }
  void expectAgree(const std::string& path, const std::string& diskName,
                   const std::vector<ListedEntry>& entries, int blocksFree,
                   const std::map<std::string, Bytes>& files) {
    EXPECT_TRUE(cc1541Validates(path));
    const Listing listing = cc1541List(path);
    EXPECT_EQ(listing.diskName, diskName);
    EXPECT_EQ(listing.entries, entries);
    EXPECT_EQ(listing.blocksFree, blocksFree);
    const std::map<std::string, Bytes> extracted = cbmconvertExtract(path);
    for (const auto& [name, bytes] : files) {
      const auto it = extracted.find(name);
      ASSERT_NE(it, extracted.end()) << name << " was not extracted";
      EXPECT_TRUE(it->second == bytes) << name << " differs from its source";
    }
  }
  QTemporaryDir dir;
};

}  // namespace

TEST_F(D64DiskTools, DefaultProjectIsAValidDiskWithItsFourFiles) {
  const std::string path = write(defaultExportSources());
  expectAgree(path, "blank           ",
              withArt({{130, "mwrt.blank", "prg"}, {130, "type.blank", "prg"}, {9, "tile.blank", "prg"},
                       {2, "cmap.blank", "prg"}}),
              393,
              {{"mwrt.blank.prg", defaultDatamap()}, {"type.blank.prg", defaultDatatype()},
               {"tile.blank.prg", defaultTileset()}, {"cmap.blank.prg", defaultColormap()}});
}

TEST_F(D64DiskTools, FilesAroundTheBlockBoundariesComeBackWhole) {
  std::vector<D64Source> sources = D64DirectoryArtSources();
  std::map<std::string, Bytes> files;
  std::vector<ListedEntry> listed;
  const std::pair<size_t, int> sizes[] = {{1, 1}, {254, 1}, {255, 2}, {508, 2}, {509, 3}};
  int used = 0;
  for (const auto& [size, blocks] : sizes) {
    const std::string name = "s" + std::to_string(size);
    sources.push_back(program(name + ".prg", patterned(size, static_cast<uint8_t>(size))));
    files[name + ".prg"] = sources.back().bytes;
    listed.push_back({blocks, name, "prg"});
    used += blocks;
  }
  expectAgree(write(sources, "SIZES"), "sizes           ", withArt(listed), 664 - used, files);
}

TEST_F(D64DiskTools, DatamapAndDatatypeWithPatternsComeBackWhole) {
  std::vector<D64Source> sources = D64DirectoryArtSources();
  sources.push_back(program("Town.PRG", patterned(32772, 5)));
  sources.push_back(program("Town.TYP", patterned(32768, 6)));
  sources.push_back(program("Chars.chr", patterned(2048, 7)));
  sources.push_back(program("Town.CMP", patterned(258, 8)));
  expectAgree(write(sources, "TOWN"), "town            ",
              withArt({{130, "town", "prg"}, {130, "town", "prg"}, {9, "chars", "prg"}, {2, "town", "prg"}}),
              664 - 271, {{"chars.prg", sources[10].bytes}});
}

TEST_F(D64DiskTools, ALargeFileAndAFullDiskAreValid) {
  const Bytes big = patterned(300 * 254 - 10, 9);
  expectAgree(write({program("BIG.PRG", big)}, "BIG"), "big             ", {{300, "big", "prg"}}, 364,
              {{"big.prg", big}});

  const Bytes full = patterned(664 * 254, 1);
  expectAgree(write({program("FULL.PRG", full)}, "FULL"), "full            ", {{664, "full", "prg"}}, 0,
              {{"full.prg", full}});
}

TEST_F(D64DiskTools, ADirectoryOfThreeSectorsIsValid) {
  std::vector<D64Source> sources;
  std::vector<ListedEntry> listed;
  std::map<std::string, Bytes> files;
  for (int i = 0; i < 20; ++i) {
    const std::string name = "f" + std::to_string(i);
    sources.push_back(program(name + ".prg", patterned(100 + 50 * i, static_cast<uint8_t>(i))));
    listed.push_back({D64BlocksFor(sources.back().bytes.size()), name, "prg"});
    files[name + ".prg"] = sources.back().bytes;
  }
  int used = 0;
  for (const auto& e : listed) used += e.blocks;
  expectAgree(write(sources, "MANY"), "many            ", listed, 664 - used, files);
}

TEST_F(D64DiskTools, ABlankDiskIsValid) {
  expectAgree(write({}, "EMPTY"), "empty           ", {}, 664, {});
}

TEST_F(D64DiskTools, ValidationCatchesASingleFlippedBamBit) {
  const std::string path = write(defaultExportSources());
  ASSERT_TRUE(cc1541Validates(path));
  Bytes image = readFile(path);
  image[offsetOf(18, 0) + 4 + 4 * (26 - 1) + 1] ^= 0x01;  // track 26 sector 0: free shown as used
  const std::string broken = dir.filePath("broken.d64").toStdString();
  writeFile(broken, image);
  EXPECT_FALSE(cc1541Validates(broken));
}

TEST_F(D64DiskTools, ADirectoryFillingTrack18IsValid) {
  std::vector<D64Source> sources;
  std::vector<ListedEntry> listed;
  for (int i = 0; i < 144; ++i) {
    sources.push_back(program("n" + std::to_string(i) + ".prg", Bytes{static_cast<uint8_t>(i)}));
    listed.push_back({1, "n" + std::to_string(i), "prg"});
  }
  expectAgree(write(sources, "DIR"), "dir             ", listed, 664 - 144,
              {{"n0.prg", Bytes{0}}, {"n143.prg", Bytes{143}}});
}
