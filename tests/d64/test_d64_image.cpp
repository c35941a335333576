#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "d64/D64Image.h"
#include "d64/D64Writer.h"
#include "d64_support.h"

using namespace d64test;

namespace {

Bytes blankImage(const std::string& name, const std::string& id) {
  D64Image image;
  CreateBlankD64(image, name, id);
  return image.bytes();
}

Bytes bamEntry(const Bytes& image, int track) {
  const uint8_t* e = sectorAt(image, 18, 0) + 4 + 4 * (track - 1);
  return Bytes(e, e + 4);
}

}  // namespace

TEST(D64BlankImage, HasTheBamOfAnEmptyDiskAndNothingElse) {
  const Bytes image = blankImage("BLANK", kD64ExportDiskId);
  ASSERT_EQ(image.size(), 174848u);
  const Bytes head(image.begin() + 0x16500, image.begin() + 0x16504);
  EXPECT_EQ(head, (Bytes{0x12, 0x01, 0x41, 0x00}));
  for (int t = 1; t <= 17; ++t) EXPECT_EQ(bamEntry(image, t), (Bytes{0x15, 0xFF, 0xFF, 0x1F})) << t;
  EXPECT_EQ(bamEntry(image, 18), (Bytes{0x11, 0xFC, 0xFF, 0x07}));
  for (int t = 19; t <= 24; ++t) EXPECT_EQ(bamEntry(image, t), (Bytes{0x13, 0xFF, 0xFF, 0x07})) << t;
  for (int t = 25; t <= 30; ++t) EXPECT_EQ(bamEntry(image, t), (Bytes{0x12, 0xFF, 0xFF, 0x03})) << t;
  for (int t = 31; t <= 35; ++t) EXPECT_EQ(bamEntry(image, t), (Bytes{0x11, 0xFF, 0xFF, 0x01})) << t;
  const Bytes names(image.begin() + 0x16590, image.begin() + 0x165AB);
  EXPECT_EQ(names, (Bytes{0x42, 0x4C, 0x41, 0x4E, 0x4B, 0xA0, 0xA0, 0xA0, 0xA0, 0xA0, 0xA0,
                          0xA0, 0xA0, 0xA0, 0xA0, 0xA0, 0xA0, 0xA0, 0x30, 0x30, 0xA0, 0x31,
                          0x41, 0xA0, 0xA0, 0xA0, 0xA0}));
  EXPECT_EQ(image[0x16601], 0xFF);
  // Every other byte is zero.
  for (size_t i = 0; i < image.size(); ++i) {
    const bool bam = i >= 0x16500 && i <= 0x165AA;
    if (!bam && i != 0x16601) {
      ASSERT_EQ(image[i], 0) << "offset " << i;
    }
  }
  for (size_t i = 0x165AB; i < 0x16600; ++i) ASSERT_EQ(image[i], 0) << "offset " << i;
}

TEST(D64BlankImage, EmptyDiskNameIsAllPadding) {
  const Bytes image = blankImage("", kD64ExportDiskId);
  for (int i = 0x16590; i <= 0x1659F; ++i) EXPECT_EQ(image[i], 0xA0);
}

TEST(D64BlankImage, LongNameAndIdAreCut) {
  const Bytes image = blankImage("ABCDEFGHIJKLMNOPQRS", "1234567");
  EXPECT_EQ(image[0x1659F], 'P');
  EXPECT_EQ(image[0x165A0], 0xA0);
  EXPECT_EQ(image[0x165A6], '5');
  EXPECT_EQ(image[0x165A7], 0xA0);
}

TEST(D64BlankImage, ReadingItGivesEightZeroNamedSlotsAndTheTwoUsedBlocks) {
  D64Image image;
  CreateBlankD64(image, "X", kD64ExportDiskId);
  D64Model m;
  m.D64FileName[20] = "left over";
  m.D64BlockUsed[683] = 7;
  ReadD64Directory(m, image);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(m.D64FileName[i], std::string(16, '\0')) << i;
  for (int i = 8; i < 146; ++i) EXPECT_TRUE(m.D64FileName[i].empty()) << i;
  for (int b = 0; b < 683; ++b) EXPECT_EQ(m.D64BlockUsed[b], b == 357 || b == 358 ? 1 : 0) << b;
  EXPECT_EQ(m.D64BlockUsed[683], 7);
}

TEST(D64BlankImage, WritingOverALongerFileLeavesExactlyTheImage) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("old.d64").toStdString();
  writeFile(path, Bytes(200000, 0x55));
  ASSERT_FALSE(WriteD64(path, "OLD", kD64ExportDiskId, {}));
  const Bytes written = readFile(path);
  EXPECT_EQ(written, blankImage("OLD", kD64ExportDiskId));
  EXPECT_TRUE(cc1541Validates(path));
}

TEST(D64DirectoryWalk, ALoopingChainStopsAfter18Sectors) {
  D64Image image;
  CreateBlankD64(image, "", kD64ExportDiskId);
  // 18/1 -> 18/4 -> 18/1 -> ... never ends by itself.
  image.dirSector(1)[0] = 18;
  image.dirSector(1)[1] = 4;
  image.dirSector(4)[0] = 18;
  image.dirSector(4)[1] = 1;
  image.dirSector(4)[0x05] = 'Z';
  D64Model m;
  ReadD64Directory(m, image);
  EXPECT_EQ(m.D64FileName[143].size(), 16u);  // 18 sectors of 8 entries
  EXPECT_EQ(m.D64FileName[136][0], 'Z');
  EXPECT_TRUE(m.D64FileName[144].empty());
  EXPECT_TRUE(ReleaseDirectorySectors(m, image));
}

TEST(D64DirectoryWalk, ASectorTrack18DoesNotHaveEndsTheWalk) {
  D64Image image;
  CreateBlankD64(image, "", kD64ExportDiskId);
  image.dirSector(1)[0] = 18;
  image.dirSector(1)[1] = 25;  // 357 + 25 would be a block of track 19
  D64Model m;
  ReadD64Directory(m, image);
  EXPECT_TRUE(m.D64FileName[8].empty());
  for (int b = 0; b < 683; ++b) m.D64BlockUsed[b] = 1;
  EXPECT_FALSE(ReleaseDirectorySectors(m, image));
  EXPECT_EQ(m.D64BlockUsed[382], 1);
  EXPECT_EQ(m.D64BlockUsed[358], 0);
}

TEST(D64DirectoryWalk, AChainLeavingTrack18IsReportedAndFreesNothingOffTrack) {
  D64Image image;
  CreateBlankD64(image, "", kD64ExportDiskId);
  image.dirSector(1)[0] = 19;
  image.dirSector(1)[1] = 3;
  D64Model m;
  for (int b = 0; b < 683; ++b) m.D64BlockUsed[b] = 1;
  EXPECT_FALSE(ReleaseDirectorySectors(m, image));
  EXPECT_EQ(m.D64BlockUsed[376 + 3], 1);
  EXPECT_EQ(m.D64BlockUsed[357 + 3], 1);  // the link's track is not 18: nothing freed for it
  EXPECT_EQ(WriteD64Directory(m, image), kD64DirectoryOffTrackMessage);
}
