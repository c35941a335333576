#include <gtest/gtest.h>

#include <vector>

#include "platform/Picture.h"

namespace {

constexpr int32_t kBack = 0x800000;

// A w x h picture whose pixel (x, y) has colour 100 + x + 10 y.
Picture numbered(int w, int h) {
  Picture p(w, h, kBack);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.setPixel(x, y, 100 + x + 10 * y);
  return p;
}

std::vector<int32_t> row(const Picture& p, int y) {
  std::vector<int32_t> r;
  for (int x = 0; x < p.width(); ++x) r.push_back(p.pixel(x, y));
  return r;
}

std::vector<int32_t> column(const Picture& p, int x) {
  std::vector<int32_t> c;
  for (int y = 0; y < p.height(); ++y) c.push_back(p.pixel(x, y));
  return c;
}

}  // namespace

// ---- Block copies

TEST(PictureBlockCopy, ADestinationOffTheTopLeftCopiesOnlyTheVisibleCorner) {
  const Picture src = numbered(4, 4);
  Picture dst(4, 4, kBack);
  Picture::bitBlt(dst, -1, -1, 3, 3, src, 1, 1);
  EXPECT_EQ(row(dst, 0), (std::vector<int32_t>{122, 123, kBack, kBack}));
  EXPECT_EQ(row(dst, 1), (std::vector<int32_t>{132, 133, kBack, kBack}));
  EXPECT_EQ(row(dst, 2), (std::vector<int32_t>{kBack, kBack, kBack, kBack}));
}

TEST(PictureBlockCopy, ADestinationOffTheBottomRightIsCut) {
  const Picture src = numbered(4, 4);
  Picture dst(4, 4, kBack);
  Picture::bitBlt(dst, 3, 2, 3, 3, src, 0, 0);
  EXPECT_EQ(column(dst, 3), (std::vector<int32_t>{kBack, kBack, 100, 110}));
  EXPECT_EQ(column(dst, 2), (std::vector<int32_t>{kBack, kBack, kBack, kBack}));
}

TEST(PictureBlockCopy, ASourceOffTheTopLeftShiftsTheCopy) {
  const Picture src = numbered(4, 4);
  Picture dst(4, 4, kBack);
  Picture::bitBlt(dst, 0, 0, 3, 3, src, -2, -1);
  EXPECT_EQ(row(dst, 0), (std::vector<int32_t>{kBack, kBack, kBack, kBack}));
  EXPECT_EQ(row(dst, 1), (std::vector<int32_t>{kBack, kBack, 100, kBack}));
  EXPECT_EQ(row(dst, 2), (std::vector<int32_t>{kBack, kBack, 110, kBack}));
}

TEST(PictureBlockCopy, ASourceOffTheBottomRightCopiesWhatItHas) {
  const Picture src = numbered(4, 4);
  Picture dst(4, 4, kBack);
  Picture::bitBlt(dst, 0, 0, 3, 3, src, 3, 2);
  EXPECT_EQ(column(dst, 0), (std::vector<int32_t>{123, 133, kBack, kBack}));
  EXPECT_EQ(column(dst, 1), (std::vector<int32_t>{kBack, kBack, kBack, kBack}));
}

TEST(PictureBlockCopy, ACopyEntirelyOutsideChangesNothing) {
  const Picture src = numbered(4, 4);
  Picture dst(4, 4, kBack);
  Picture::bitBlt(dst, 4, 0, 3, 3, src, 0, 0);
  Picture::bitBlt(dst, 0, -3, 3, 3, src, 0, 0);
  Picture::bitBlt(dst, 0, 0, 3, 3, src, 0, 4);
  for (int y = 0; y < 4; ++y) EXPECT_EQ(row(dst, y), std::vector<int32_t>(4, kBack));
}

TEST(PictureBlockCopy, OverlappingCopiesWithinOnePictureMoveTheOriginalPixels) {
  Picture right = numbered(6, 1);
  Picture::bitBlt(right, 2, 0, 4, 1, right, 0, 0);
  EXPECT_EQ(row(right, 0), (std::vector<int32_t>{100, 101, 100, 101, 102, 103}));

  Picture left = numbered(6, 1);
  Picture::bitBlt(left, 0, 0, 4, 1, left, 2, 0);
  EXPECT_EQ(row(left, 0), (std::vector<int32_t>{102, 103, 104, 105, 104, 105}));

  Picture down = numbered(1, 6);
  Picture::bitBlt(down, 0, 2, 1, 4, down, 0, 0);
  EXPECT_EQ(column(down, 0), (std::vector<int32_t>{100, 110, 100, 110, 120, 130}));

  Picture up = numbered(1, 6);
  Picture::bitBlt(up, 0, 0, 1, 4, up, 0, 2);
  EXPECT_EQ(column(up, 0), (std::vector<int32_t>{120, 130, 140, 150, 140, 150}));
}

// ---- Scaled copies

TEST(PictureScaledCopy, HalvingKeepsOnePixelOfEveryTwoByTwoBlock) {
  Picture big(8, 4, kBack);
  const int32_t block[2][4] = {{1, 2, 3, 4}, {5, 6, 7, 8}};
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 8; ++x) big.setPixel(x, y, block[y / 2][x / 2]);
  Picture small(4, 2, kBack);
  small.scaledCopyFrom(big, 0, 0, 4, 2);
  EXPECT_EQ(row(small, 0), (std::vector<int32_t>{1, 2, 3, 4}));
  EXPECT_EQ(row(small, 1), (std::vector<int32_t>{5, 6, 7, 8}));
}

TEST(PictureScaledCopy, DoublingTurnsEveryPixelIntoATwoByTwoBlock) {
  const Picture src = numbered(2, 2);
  Picture big(4, 4, kBack);
  big.scaledCopyFrom(src, 0, 0, 4, 4);
  EXPECT_EQ(row(big, 0), (std::vector<int32_t>{100, 100, 101, 101}));
  EXPECT_EQ(row(big, 1), (std::vector<int32_t>{100, 100, 101, 101}));
  EXPECT_EQ(row(big, 2), (std::vector<int32_t>{110, 110, 111, 111}));
  EXPECT_EQ(row(big, 3), (std::vector<int32_t>{110, 110, 111, 111}));
}

TEST(PictureScaledCopy, ACopyIntoAnInnerRectangleLeavesTheRestAlone) {
  const Picture src = numbered(1, 1);
  Picture dst(4, 4, kBack);
  dst.scaledCopyFrom(src, 1, 2, 2, 2);
  EXPECT_EQ(row(dst, 1), std::vector<int32_t>(4, kBack));
  EXPECT_EQ(row(dst, 2), (std::vector<int32_t>{kBack, 100, 100, kBack}));
  EXPECT_EQ(row(dst, 3), (std::vector<int32_t>{kBack, 100, 100, kBack}));
}
