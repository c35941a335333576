#include <gtest/gtest.h>

#include "d64/D64Allocator.h"
#include "d64/D64Image.h"

namespace {

struct Block {
  int track, sector, linear;
};

// A model read from a blank image: only 18/0 and 18/1 in use.
D64Model blankModel() {
  D64Image image;
  CreateBlankD64(image, "", kD64ExportDiskId);
  D64Model m;
  ReadD64Directory(m, image);
  return m;
}

// Linear numbers by hand: 21 sectors on tracks 1-17, 19 on 18-24, 18 on 25-30, 17 on 31-35.
int linear(int track, int sector) {
  int block = 0;
  for (int t = 1; t < track; ++t) block += t <= 17 ? 21 : t <= 24 ? 19 : t <= 30 ? 18 : 17;
  return block + sector;
}

void fillTrack(D64Model& m, int track) {
  const int n = track <= 17 ? 21 : track <= 24 ? 19 : track <= 30 ? 18 : 17;
  for (int s = 0; s < n; ++s) m.D64BlockUsed[linear(track, s)] = 1;
}

void fillAllButTrack18(D64Model& m) {
  for (int t = 1; t <= 35; ++t)
    if (t != 18) fillTrack(m, t);
}

void expectBlock(const D64Model& m, int track, int sector) {
  EXPECT_EQ(m.AllocTrack, track);
  EXPECT_EQ(m.AllocSector, sector);
  EXPECT_EQ(m.CurBlock, linear(track, sector));
}

}  // namespace

TEST(D64Geometry, BlockNumbersMapToTrackAndSectorAcrossAllZones) {
  const Block table[] = {{1, 0, 0},     {17, 20, 356}, {18, 0, 357},  {24, 18, 489},
                         {25, 0, 490},  {30, 17, 597}, {31, 0, 598},  {35, 16, 682}};
  for (const Block& b : table) {
    D64Model m;
    BlockToTrackSector(m, static_cast<int16_t>(b.linear));
    EXPECT_EQ(m.LinkTrack, b.track) << "block " << b.linear;
    EXPECT_EQ(m.LinkSector, b.sector) << "block " << b.linear;
    m.AllocTrack = static_cast<int16_t>(b.track);
    m.AllocSector = static_cast<int16_t>(b.sector);
    TrackSectorToBlock(m);
    EXPECT_EQ(m.CurBlock, b.linear) << b.track << "/" << b.sector;
  }
}

TEST(D64Geometry, TrackOffTheDiskLeavesTheCurrentBlockAlone) {
  D64Model m;
  m.CurBlock = 123;
  m.AllocTrack = 36;
  TrackSectorToBlock(m);
  EXPECT_EQ(m.CurBlock, 123);
  m.AllocTrack = 0;
  TrackSectorToBlock(m);
  EXPECT_EQ(m.CurBlock, 123);
}

TEST(D64Allocation, FirstFileStartsOnTrack17Sector0) {
  D64Model m = blankModel();
  ASSERT_TRUE(FindFirstFreeBlock(m));
  expectBlock(m, 17, 0);
  EXPECT_EQ(m.CurBlock, 336);
}

TEST(D64Allocation, FirstBlockSearchLeavesTheBlockToTheCaller) {
  D64Model m = blankModel();
  ASSERT_TRUE(FindFirstFreeBlock(m));
  EXPECT_EQ(m.D64BlockUsed[336], 0);
}

TEST(D64Allocation, FirstBlockSearchJumpsOverTheDirectoryTrack) {
  D64Model m = blankModel();
  fillTrack(m, 17);
  ASSERT_TRUE(FindFirstFreeBlock(m));
  expectBlock(m, 19, 0);
  EXPECT_EQ(m.CurBlock, 376);

  // Track 18 itself left free in the map: it is still never offered.
  D64Model n;
  fillTrack(n, 17);
  fillTrack(n, 19);
  ASSERT_TRUE(FindFirstFreeBlock(n));
  expectBlock(n, 20, 0);
}

TEST(D64Allocation, FirstBlockSearchAlternatesOutwardsFromTrack18) {
  D64Model m = blankModel();
  for (int t : {17, 19, 20, 16, 21, 15, 22}) fillTrack(m, t);
  ASSERT_TRUE(FindFirstFreeBlock(m));
  expectBlock(m, 14, 0);
}

TEST(D64Allocation, FirstBlockSearchReachesBothEndsOfTheDisk) {
  D64Model m = blankModel();
  fillAllButTrack18(m);
  m.D64BlockUsed[linear(35, 16)] = 0;
  ASSERT_TRUE(FindFirstFreeBlock(m));
  expectBlock(m, 35, 16);

  fillTrack(m, 35);
  m.D64BlockUsed[linear(1, 20)] = 0;
  ASSERT_TRUE(FindFirstFreeBlock(m));
  expectBlock(m, 1, 20);
}

TEST(D64Allocation, FirstBlockSearchGivesUpOnAFullDisk) {
  D64Model m = blankModel();
  fillAllButTrack18(m);
  EXPECT_FALSE(FindFirstFreeBlock(m));
  EXPECT_EQ(m.AllocTrack, 0);
  EXPECT_EQ(m.AllocSector, 0);
}

TEST(D64Allocation, NextBlockIsTenSectorsOn) {
  D64Model m = blankModel();
  m.AllocTrack = 17;
  m.AllocSector = 0;
  m.D64BlockUsed[linear(17, 0)] = 1;
  ASSERT_TRUE(FindNextBlock(m));
  expectBlock(m, 17, 10);

  // 20 + 10 wraps to sector 9 on a 21-sector track.
  m.AllocSector = 20;
  ASSERT_TRUE(FindNextBlock(m));
  expectBlock(m, 17, 9);
}

TEST(D64Allocation, NextBlockTriesTheFollowingSectorsWhenTheInterleavedOneIsTaken) {
  D64Model m = blankModel();
  m.D64BlockUsed[linear(25, 1)] = 1;
  m.D64BlockUsed[linear(25, 9)] = 1;
  m.AllocTrack = 25;
  m.AllocSector = 17;  // 27 - 18 = sector 9, taken: sector 10 follows
  ASSERT_TRUE(FindNextBlock(m));
  expectBlock(m, 25, 10);
}

TEST(D64Allocation, NextBlockMovesAwayFromTrack18OnAFullTrack) {
  D64Model below = blankModel();
  fillTrack(below, 17);
  below.AllocTrack = 17;
  below.AllocSector = 11;  // 21 - 21 = sector 0 of track 16
  ASSERT_TRUE(FindNextBlock(below));
  expectBlock(below, 16, 0);
  EXPECT_EQ(below.AllocDirection, 2);

  D64Model above = blankModel();
  fillTrack(above, 24);
  above.AllocTrack = 24;
  above.AllocSector = 9;  // 19 - 18 = sector 1 of track 25
  ASSERT_TRUE(FindNextBlock(above));
  expectBlock(above, 25, 1);
  EXPECT_EQ(above.AllocDirection, 1);
}

TEST(D64Allocation, NextBlockTurnsAtTrack1ToTrack19Sector0) {
  D64Model m = blankModel();
  for (int t = 1; t <= 17; ++t) fillTrack(m, t);
  fillTrack(m, 19);
  m.D64BlockUsed[linear(19, 1)] = 0;
  m.D64BlockUsed[linear(19, 15)] = 0;
  m.AllocTrack = 1;
  m.AllocSector = 5;  // interleaved, track 19 would start at sector 15
  ASSERT_TRUE(FindNextBlock(m));
  expectBlock(m, 19, 1);
  EXPECT_EQ(m.AllocDirection, 1);
}

TEST(D64Allocation, NextBlockTurnsAtTrack35ToTrack17Sector0) {
  D64Model m = blankModel();
  for (int t = 19; t <= 35; ++t) fillTrack(m, t);
  fillTrack(m, 17);
  m.D64BlockUsed[linear(17, 2)] = 0;
  m.D64BlockUsed[linear(17, 14)] = 0;
  m.AllocTrack = 35;
  m.AllocSector = 4;
  ASSERT_TRUE(FindNextBlock(m));
  expectBlock(m, 17, 2);
  EXPECT_EQ(m.AllocDirection, 2);
}

TEST(D64Allocation, NextBlockGivesUpOnAFullDiskAndNeverOffersTrack18) {
  D64Model m;  // track 18 all free in the map
  fillAllButTrack18(m);
  m.AllocTrack = 17;
  m.AllocSector = 3;
  EXPECT_FALSE(FindNextBlock(m));
  EXPECT_EQ(m.AllocTrack, 0);
  EXPECT_EQ(m.AllocSector, 0);
}

TEST(D64Allocation, NextBlockFromNoBlockGivesUp) {
  D64Model m = blankModel();
  m.AllocTrack = 0;
  m.AllocSector = 0;
  EXPECT_FALSE(FindNextBlock(m));
  m.AllocTrack = 18;
  EXPECT_FALSE(FindNextBlock(m));
}
