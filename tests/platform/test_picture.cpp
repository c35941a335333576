#include <gtest/gtest.h>

#include <string>

#include "platform/Picture.h"

namespace {

// Pixels are letters so a whole picture reads as one string: row by row,
// rows separated by blanks, '.' for the background.
constexpr int32_t kBack = '.';

Picture lettered(int w, int h) {
  Picture p(w, h, kBack);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.setPixel(x, y, 'a' + x + w * y);
  return p;
}

std::string text(const Picture& p) {
  std::string s;
  for (int y = 0; y < p.height(); ++y) {
    if (y) s += ' ';
    for (int x = 0; x < p.width(); ++x) s += char(p.pixel(x, y));
  }
  return s;
}

}  // namespace

TEST(PictureBlockCopy, CopiesAreClippedAtEveryEdgeOfBothPictures) {
  struct Row {
    int dx, dy, sx, sy;
    const char* expected;
  };
  const Row rows[] = {
      {-1, -1, 1, 1, "kl.. op.. .... ...."},  // destination off the top left
      {3, 2, 0, 0, ".... .... ...a ...e"},    // destination off the bottom right
      {0, 0, -2, -1, ".... ..a. ..e. ...."},  // source off the top left
      {0, 0, 3, 2, "l... p... .... ...."},    // source off the bottom right
      {4, 0, 0, 0, ".... .... .... ...."},    // entirely outside
      {0, -3, 0, 0, ".... .... .... ...."},
  };
  const Picture src = lettered(4, 4);
  for (const Row& r : rows) {
    Picture dst(4, 4, kBack);
    Picture::bitBlt(dst, r.dx, r.dy, 3, 3, src, r.sx, r.sy);
    EXPECT_EQ(text(dst), r.expected) << r.dx << "," << r.dy << " from " << r.sx << "," << r.sy;
  }
}

TEST(PictureBlockCopy, OverlappingCopiesWithinOnePictureMoveTheOriginalPixels) {
  Picture right = lettered(6, 1), left = lettered(6, 1), down = lettered(1, 6), up = lettered(1, 6);
  Picture::bitBlt(right, 2, 0, 4, 1, right, 0, 0);
  Picture::bitBlt(left, 0, 0, 4, 1, left, 2, 0);
  Picture::bitBlt(down, 0, 2, 1, 4, down, 0, 0);
  Picture::bitBlt(up, 0, 0, 1, 4, up, 0, 2);
  EXPECT_EQ(text(right), "ababcd");
  EXPECT_EQ(text(left), "cdefef");
  EXPECT_EQ(text(down), "a b a b c d");
  EXPECT_EQ(text(up), "c d e f e f");
}

TEST(PictureScaledCopy, HalvingKeepsOnePixelOfEveryTwoByTwoBlockExactly) {
  Picture big(8, 4, kBack);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 8; ++x) big.setPixel(x, y, 'a' + x / 2 + 4 * (y / 2));
  Picture small(4, 2, kBack);
  small.scaledCopyFrom(big, 0, 0, 4, 2);
  EXPECT_EQ(text(small), "abcd efgh");
}

// A picture nothing was drawn on holds no pixels: every read, copy and export
// must still see its background, and only a write may give it memory.
TEST(PictureBlank, ABlankPictureReadsCopiesAndExportsAsItsBackground) {
  Picture blank(4, 2, kBack);
  Picture dst = lettered(4, 2), scaled = lettered(4, 2);
  Picture::bitBlt(dst, 1, 0, 2, 2, blank, 0, 0);
  scaled.scaledCopyFrom(blank, 2, 1, 2, 1);
  EXPECT_EQ(text(dst), "a..d e..h");
  EXPECT_EQ(text(scaled), "abcd ef..");
  EXPECT_EQ(text(blank), ".... ....");
  Picture part(4, 2, kBack);  // a copy into part of a blank picture
  part.scaledCopyFrom(lettered(2, 1), 1, 1, 2, 1);
  EXPECT_EQ(text(part), ".... .ab.");

  Picture filled(4, 2, kBack);
  filled.setPixel(0, 0, kBack);
  EXPECT_EQ(blank.bmpBytes(), filled.bmpBytes());

  blank.resize(5, 1);
  Picture::bitBlt(blank, 0, 0, 5, 1, Picture(5, 1, kBack), 0, 0);
  EXPECT_TRUE(blank.isBlank());
  blank.setPixel(4, 0, 'z');
  EXPECT_FALSE(blank.isBlank());
  EXPECT_EQ(text(blank), "....z");
}

TEST(PictureBlank, ClearingGivesThePixelsBackAndANewBackgroundFillsOnlyWhatComesAfter) {
  Picture p = lettered(3, 1);
  p.clear();
  EXPECT_TRUE(p.isBlank());
  EXPECT_EQ(text(p), "...");
  p.setBackColor('#');  // what is shown keeps the old background
  p.resize(4, 2);
  EXPECT_EQ(text(p), "...# ####");
  p.clear();
  EXPECT_EQ(text(p), "#### ####");
}
