#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <utility>

#include "model/App.h"
#include "platform/Rnd.h"
#include "render/AreaFill.h"

namespace {

constexpr int32_t kBrushColour = 0x0000AA;
constexpr std::array<int32_t, 4> kFillColour{0, 0x110000, 0x220000, 0x330000};

// A map of tile 0 with a tile-7 brush, random tiles 201..203 whose boxes have
// colours of their own, and the default percentages.
class AreaFill : public ::testing::Test {
 protected:
  AreaFill() : a(std::make_unique<App>()) {
    a->frm.shpTileSelected = {16 * 7, 0, 16, 16};
    a->frm.picTileSelected.setBackColor(kBrushColour);
    a->frm.picTileSelected.clear();
    Picture* boxes[] = {nullptr, &a->frm.picFill1, &a->frm.picFill2, &a->frm.picFill3};
    for (int i = 1; i <= 3; ++i) {
      boxes[i]->setBackColor(kFillColour[size_t(i)]);
      boxes[i]->clear();
      a->st.RandomFillTile[size_t(i)] = uint8_t(200 + i);
    }
    a->st.RandomFill = {0, 75, 20, 5};
    ResetRnd();
  }
  void fill(int x0, int y0, int mode = 1) {
    a->st.FillStartX = int16_t(x0);
    a->st.FillStartY = int16_t(y0);
    FillMapArea(*a, mode);
  }
  uint8_t& cell(int x, int y) { return a->st.DatamapAt(x, y); }
  // The map as rows of '#' (holds `tile`) and '.', for columns c0..c1 and rows r0..r1.
  std::string picture(uint8_t tile, int c0, int c1, int r0, int r1) {
    std::string s;
    for (int r = r0; r <= r1; ++r) {
      for (int c = c0; c <= c1; ++c) s += cell(c, r) == tile ? '#' : '.';
      s += '\n';
    }
    return s;
  }
  std::array<int, 256> counts() {
    std::array<int, 256> n{};
    for (uint8_t t : a->st.Datamap) ++n[t];
    return n;
  }

  std::unique_ptr<App> a;
};

}  // namespace

TEST_F(AreaFill, AUniformMapFillsCompletelyFromAnyStartAndTakesOneUndoLevel) {
  // The bounds are those of the array, not of the map in use, whose picture
  // here ends inside its last column and row.
  a->st.MapWidth = 41;
  a->st.MapHeight = 26;
  a->frm.picMap.resize(650, 405);
  int level = 0;
  for (auto [x0, y0] : {std::pair{0, 0}, {255, 127}, {0, 127}, {255, 0}, {100, 60}}) {
    const uint8_t before = cell(0, 0);
    const uint8_t tile = uint8_t(7 + level);
    a->frm.shpTileSelected.left = 16 * tile;
    fill(x0, y0);
    EXPECT_EQ(counts()[tile], kMapCells) << x0 << "," << y0;
    EXPECT_EQ(a->st.UndoLevel, ++level);
    EXPECT_EQ(a->st.UndoSlot(level)[kMapCells - 1], before);
  }
  EXPECT_EQ(a->frm.picMap.pixel(649, 404), kBrushColour);
  EXPECT_EQ(a->frm.picMap.dirty(), QRect(0, 0, 650, 405));
}

TEST_F(AreaFill, ACellThePictureEdgeCutsIsDrawnOnlyInsideThePicture) {
  a->frm.picMap.resize(650, 405);
  a->frm.picMap.clear();
  a->st.Datamap.fill(9);
  cell(40, 25) = 0;  // its 16 x 16 pixels start at (640, 400)
  fill(40, 25);
  EXPECT_EQ(cell(40, 25), 7);
  EXPECT_EQ(a->frm.picMap.pixel(649, 404), kBrushColour);
  EXPECT_EQ(a->frm.picMap.pixel(639, 404), 0);
  EXPECT_EQ(a->frm.picMap.pixel(0, 401), 0);  // nothing ran over into the next line
}

TEST_F(AreaFill, ABarrierColumnStopsRightwardRunsOnly) {
  for (int r = 0; r < kMapRows; ++r) cell(12, r) = 9;
  fill(10, 5);
  // Columns 0..11 are filled in every row, nothing right of the barrier.
  EXPECT_EQ(picture(7, 0, 14, 0, 0), "############...\n");
  EXPECT_EQ(counts()[7], 12 * kMapRows);
}

TEST_F(AreaFill, EachScanEndsAtTheFirstRowWhoseStartCellDiffers) {
  cell(10, 6) = 9;  // ends the scan down and right after row 5, though (11, 6) touches the region
  cell(9, 5) = 9;   // ends the scan down and left before it fills anything
  fill(10, 5);
  EXPECT_EQ(picture(7, 7, 13, 3, 7),
            "#######\n"
            "#######\n"
            "...####\n"
            ".......\n"
            ".......\n");
  EXPECT_EQ(counts()[7], 5 * 256 + 246);
}

TEST_F(AreaFill, AStartCellOffTheDatamapFillsNothing) {
  for (auto [x0, y0] : {std::pair{256, 0}, {0, 128}, {-1, 5}, {5, -1}}) {
    fill(x0, y0);
    EXPECT_EQ(counts()[0], kMapCells);
    EXPECT_EQ(a->st.UndoLevel, 0);
  }
}

TEST_F(AreaFill, ABlockSelectionFillsWithItsTopLeftTileAndShrinksToIt) {
  a->frm.shpTileSelected = {32, 16, 48, 32};  // tiles 34..36 / 66..68
  fill(3, 3);
  EXPECT_EQ(counts()[34], kMapCells);
  EXPECT_EQ(a->frm.shpTileSelected.width, 16);
  EXPECT_EQ(a->frm.shpTileSelected.height, 16);
  EXPECT_EQ(a->frm.shpTileSelected.left, 32);
}

TEST_F(AreaFill, RandomCellsDrawInFillOrderStartingAtTheStartCell) {
  a->st.Datamap.fill(9);
  for (auto [x, y] : {std::pair{9, 5}, {10, 5}, {11, 5}, {12, 5}, {13, 5}, {10, 4}}) cell(x, y) = 0;
  a->st.RandomFill = {0, 55, 20, 25};
  fill(10, 5, 2);
  // The generator's first six values give n = 71, 54, 58, 29, 31, 78:
  // row 5 rightward, then (9, 5) leftward, then the row above.
  const std::pair<std::pair<int, int>, int> expected[] = {{{10, 5}, 202}, {{11, 5}, 201},
                                                          {{12, 5}, 202}, {{13, 5}, 201},
                                                          {{9, 5}, 201},  {{10, 4}, 203}};
  for (const auto& [at, tile] : expected) {
    EXPECT_EQ(cell(at.first, at.second), tile) << at.first << "," << at.second;
    EXPECT_EQ(a->frm.picMap.pixel(16 * at.first + 15, 16 * at.second),
              kFillColour[size_t(tile - 200)]);
  }
}

TEST_F(AreaFill, RandomSharesFollowThePercentages) {
  struct Case {
    int16_t p1, p2, p3;
    std::array<double, 3> share;  // of tiles 201, 202, 203
  };
  const Case cases[] = {
      {75, 20, 5, {0.75, 0.20, 0.05}},
      {100, 0, 0, {1, 0, 0}},
      {0, 0, 50, {0, 0, 1}},            // the third share is whatever remains, not the setting
      {10, 32767, 0, {0.10, 0.90, 0}},  // the sum must not wrap to a negative 16-bit value
  };
  for (const Case& c : cases) {
    a->st.Datamap.fill(0);
    a->st.RandomFill = {0, c.p1, c.p2, c.p3};
    fill(0, 0, 2);
    const auto n = counts();
    for (int i = 0; i < 3; ++i)
      EXPECT_NEAR(n[size_t(201 + i)] / double(kMapCells), c.share[size_t(i)], 0.01)
          << c.p1 << "/" << c.p2 << " tile " << 201 + i;
  }
}

TEST_F(AreaFill, TwoFreshRunsFillAlike) {
  fill(50, 50, 2);
  const CellArray first = a->st.Datamap;
  a->st.Datamap.fill(0);
  ResetRnd();
  fill(50, 50, 2);
  EXPECT_EQ(a->st.Datamap, first);
  a->st.Datamap.fill(0);
  fill(50, 50, 2);  // the sequence goes on from fill to fill
  EXPECT_NE(a->st.Datamap, first);
}
