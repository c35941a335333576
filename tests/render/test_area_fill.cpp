#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>

#include "model/App.h"
#include "platform/Rnd.h"
#include "render/AreaFill.h"

namespace {

// The brush (tile 7) and the three random-fill boxes (tiles 201..203), each of its own colour.
constexpr std::array<int32_t, 4> kColour{0x0000AA, 0x110000, 0x220000, 0x330000};

class AreaFill : public ::testing::Test {
 protected:
  AreaFill() {
    a->frm.shpTileSelected = {16 * 7, 0, 16, 16};
    a->frm.picMap.resize(650, 405);  // ends inside cells (40, *) and (*, 25)
    Picture* boxes[] = {&a->frm.picTileSelected, &a->frm.picFill1, &a->frm.picFill2,
                        &a->frm.picFill3};
    for (size_t i = 0; i < 4; ++i) {
      boxes[i]->setBackColor(kColour[i]);
      boxes[i]->clear();
      a->st.RandomFillTile[i] = uint8_t(200 + i);
    }
    ResetRnd();
  }
  void fill(int x0, int y0, int mode = 1) {
    a->st.FillStartX = int16_t(x0);
    a->st.FillStartY = int16_t(y0);
    FillMapArea(*a, mode);
  }
  uint8_t& cell(int x, int y) { return a->st.DatamapAt(x, y); }
  int count(int tile) { return int(std::count(a->st.Datamap.begin(), a->st.Datamap.end(), tile)); }

  std::unique_ptr<App> a = std::make_unique<App>();
};

}  // namespace

TEST_F(AreaFill, AUniformArrayFillsWhollyFromAnyStartWithOneUndoLevelEach) {
  a->st.MapWidth = 41;  // the bounds are those of the array, not of the map in use
  a->st.MapHeight = 26;
  a->frm.shpTileSelected = {16 * 6, 0, 48, 32};  // a block fills with its top-left tile 6 ...
  int level = 0;
  for (auto [x0, y0] : {std::pair{0, 0}, {255, 127}, {0, 127}, {255, 0}, {100, 60}}) {
    a->frm.shpTileSelected.left = 16 * (6 + level);
    fill(x0, y0);
    EXPECT_EQ(count(6 + level), kMapCells) << x0 << "," << y0;
    EXPECT_EQ(a->st.UndoLevel, ++level);
  }
  EXPECT_EQ(a->frm.shpTileSelected.width + a->frm.shpTileSelected.height, 32);  // ... and shrinks
  EXPECT_EQ(a->frm.picMap.pixel(649, 404), kColour[0]);
  EXPECT_EQ(a->frm.picMap.dirty(), QRect(0, 0, 650, 405));
}

TEST_F(AreaFill, ABarrierStopsRightwardRunsAndEachScanEndsAtTheFirstRowWhoseStartCellDiffers) {
  for (int r = 0; r < kMapRows; ++r) cell(12, r) = 9;
  cell(10, 6) = 9;  // ends the scan down and right after row 5, though (11, 6) touches the region
  cell(9, 5) = 9;   // ends the scan down and left before it fills anything
  fill(10, 5);
  std::string rows;  // rows 3 to 7, columns 5 to 13
  for (int r = 3; r <= 7; ++r, rows += '\n')
    for (int c = 5; c <= 13; ++c) rows += cell(c, r) == 7 ? '#' : '.';
  EXPECT_EQ(rows, "#######..\n#######..\n.....##..\n.........\n.........\n");
  EXPECT_EQ(count(7), 5 * 12 + 2);
  // The picture's pixel line 80 ends inside cell (40, 5); line 81 starts in (0, 5), left empty.
  fill(40, 5);
  EXPECT_EQ(a->frm.picMap.pixel(649, 80), kColour[0]);
  EXPECT_EQ(a->frm.picMap.pixel(0, 81), 0);
}

TEST_F(AreaFill, RandomSharesFollowThePercentagesAndTwoFreshRunsFillAlike) {
  const auto run = [&](int16_t p1, int16_t p2) {
    a->st.Datamap.fill(0);
    a->st.RandomFill = {0, p1, p2, 50};
    fill(50, 20, 2);
    return a->st.Datamap;
  };
  const std::tuple<int16_t, int16_t, std::array<double, 3>> cases[] = {
      {75, 20, {0.75, 0.20, 0.05}}, {100, 0, {1, 0, 0}},
      {0, 0, {0, 0, 1}},             // the third share is whatever remains, not the setting
      {10, 32767, {0.10, 0.90, 0}},  // the sum must not wrap to a negative 16-bit value
  };
  for (const auto& [p1, p2, share] : cases) {
    run(p1, p2);
    for (size_t i = 0; i < 3; ++i)
      EXPECT_NEAR(count(int(201 + i)) / double(kMapCells), share[i], 0.01) << p1 << "/" << p2;
    EXPECT_EQ(a->frm.picMap.pixel(5, 5), kColour[size_t(a->st.DatamapAt(0, 0) - 200)]);
  }
  ResetRnd();
  const CellArray first = run(75, 20);
  EXPECT_NE(run(75, 20), first);  // the sequence goes on from fill to fill ...
  ResetRnd();                     // ... and starts again with the program
  EXPECT_EQ(run(75, 20), first);
}
