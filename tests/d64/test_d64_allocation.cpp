#include "d64/D64Allocator.h"
#include "d64/D64Image.h"
#include "d64_support.h"

using namespace d64test;

namespace {

int linear(int track, int sector) { return offsetOf(track, sector) / 256; }

// A blank disk's model (18/0 and 18/1 in use) with more tracks in use but for a few blocks.
D64Model modelWith(const std::vector<int>& full, const std::vector<TS>& freeAgain = {}) {
  D64Image image;
  CreateBlankD64(image, "", kD64ExportDiskId);
  D64Model m;
  ReadD64Directory(m, image);
  for (int t : full)
    for (int b = linear(t, 0); b < linear(t + 1, 0); ++b) m.D64BlockUsed[size_t(b)] = 1;
  for (TS ts : freeAgain) m.D64BlockUsed[size_t(linear(ts.track, ts.sector))] = 0;
  return m;
}

TS found(const D64Model& m) { return {m.AllocTrack, m.AllocSector}; }

}  // namespace

TEST(D64Geometry, BlockNumbersMapToTrackAndSectorAcrossAllZones) {
  const std::pair<TS, int> rows[] = {{{1, 0}, 0},    {{17, 20}, 356}, {{18, 0}, 357},
                                     {{24, 18}, 489}, {{25, 0}, 490},  {{30, 17}, 597},
                                     {{31, 0}, 598},  {{35, 16}, 682}};
  for (const auto& [ts, block] : rows) {
    D64Model m;
    BlockToTrackSector(m, int16_t(block));
    EXPECT_EQ((TS{m.LinkTrack, m.LinkSector}), ts) << "block " << block;
  }
}

TEST(D64Allocation, AFileStartsOnTheFreeTrackNearestTrack18ReachingBothEnds) {
  const std::tuple<std::vector<int>, std::vector<TS>, TS> rows[] = {
      {{}, {}, {17, 0}},
      {{17}, {}, {19, 0}},
      {{17, 19, 20, 16, 21, 15, 22}, {}, {14, 0}},
      {tracks(1, 35), {{35, 16}}, {35, 16}},
      {tracks(1, 35), {{1, 20}}, {1, 20}}};
  for (const auto& [full, freeAgain, expected] : rows) {
    D64Model m = modelWith(full, freeAgain);
    ASSERT_TRUE(FindFirstFreeBlock(m));
    EXPECT_EQ(found(m), expected);
    EXPECT_EQ(m.CurBlock, linear(expected.track, expected.sector));
    EXPECT_EQ(m.D64BlockUsed[size_t(m.CurBlock)], 0);  // taking it is the caller's part
  }
  D64Model m = modelWith(tracks(1, 35));
  EXPECT_FALSE(FindFirstFreeBlock(m));
  EXPECT_EQ(found(m), (TS{0, 0}));
}

TEST(D64Allocation, AFullTrackHandsOverAwayFromTrack18AndTheDiskEndsTurnBack) {
  const std::tuple<std::vector<int>, std::vector<TS>, TS, TS, int> rows[] = {
      {{24}, {}, {24, 9}, {25, 1}, 1},  // 9 + 10 - 18: track 25 has 18 sectors
      {tracks(1, 19), {{19, 1}, {19, 15}}, {1, 5}, {19, 1}, 1},  // from sector 0, not 15
      {tracks(17, 35), {{17, 2}, {17, 14}}, {35, 4}, {17, 2}, 2},
      {tracks(1, 35), {{18, 0}, {18, 1}}, {17, 3}, {0, 0}, 0},  // full: track 18 is no way out
  };
  for (const auto& [full, freeAgain, from, expected, direction] : rows) {
    D64Model m = modelWith(full, freeAgain);
    m.AllocTrack = int16_t(from.track);
    m.AllocSector = int16_t(from.sector);
    EXPECT_EQ(FindNextBlock(m), direction != 0);
    EXPECT_EQ(found(m), expected);
    if (direction) {
      EXPECT_EQ(m.AllocDirection, direction);
    }
  }
}

TEST(D64DirectoryWalk, TheWalkReadsAtMost18SectorsAndNeverLeavesTrack18) {
  D64Image loop, offTrack;
  CreateBlankD64(loop, "", kD64ExportDiskId);
  CreateBlankD64(offTrack, "", kD64ExportDiskId);
  loop.dirSector(1)[0] = loop.dirSector(4)[0] = 18;  // 18/1 -> 18/4 -> 18/1 -> ...
  loop.dirSector(1)[1] = 4;
  loop.dirSector(4)[1] = 1;
  loop.dirSector(4)[0x05] = 'Z';
  D64Model m;
  ReadD64Directory(m, loop);
  EXPECT_EQ(m.D64FileName[143].size(), 16u);  // 18 sectors of 8 entries
  EXPECT_EQ(m.D64FileName[136][0], 'Z');
  EXPECT_TRUE(m.D64FileName[144].empty());
  EXPECT_TRUE(ReleaseDirectorySectors(m, loop));

  offTrack.dirSector(1)[0] = 19;
  offTrack.dirSector(1)[1] = 3;
  m = D64Model();
  m.D64BlockUsed.fill(1);
  EXPECT_FALSE(ReleaseDirectorySectors(m, offTrack));
  EXPECT_EQ(m.D64BlockUsed[size_t(linear(19, 3))], 1);
  EXPECT_EQ(m.D64BlockUsed[size_t(linear(18, 3))], 1);
  EXPECT_EQ(WriteD64Directory(m, offTrack), kD64DirectoryOffTrackMessage);
}
