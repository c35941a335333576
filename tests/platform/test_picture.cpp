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
  const std::tuple<int, int, int, int, const char*> rows[] = {
      {-1, -1, 1, 1, "kl.. op.. .... ...."},  // destination off the top left
      {3, 2, 0, 0, ".... .... ...a ...e"},    // destination off the bottom right
      {0, 0, -2, -1, ".... ..a. ..e. ...."},  // source off the top left
      {0, 0, 3, 2, "l... p... .... ...."},    // source off the bottom right
      {4, 0, 0, 0, ".... .... .... ...."},    // entirely outside
      {0, -3, 0, 0, ".... .... .... ...."},
  };
  for (const auto& [dx, dy, sx, sy, expected] : rows) {
    Picture dst(4, 4, kBack);
    Picture::bitBlt(dst, dx, dy, 3, 3, lettered(4, 4), sx, sy);
    EXPECT_EQ(text(dst), expected) << dx << "," << dy << " from " << sx << "," << sy;
  }
}

TEST(PictureBlockCopy, OverlappingCopiesWithinOnePictureMoveTheOriginalPixels) {
  Picture right = lettered(6, 1), left = lettered(6, 1), down = lettered(1, 6), up = lettered(1, 6);
  Picture::bitBlt(right, 2, 0, 4, 1, right, 0, 0);
  Picture::bitBlt(left, 0, 0, 4, 1, left, 2, 0);
  Picture::bitBlt(down, 0, 2, 1, 4, down, 0, 0);
  Picture::bitBlt(up, 0, 0, 1, 4, up, 0, 2);
  EXPECT_EQ(text(right) + "|" + text(left), "ababcd|cdefef");
  EXPECT_EQ(text(down) + "|" + text(up), "a b a b c d|c d e f e f");
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
  Picture dst = lettered(4, 2), scaled = lettered(4, 2), part(4, 2, kBack);
  Picture::bitBlt(dst, 1, 0, 2, 2, blank, 0, 0);
  scaled.scaledCopyFrom(blank, 2, 1, 2, 1);
  part.scaledCopyFrom(lettered(2, 1), 1, 1, 2, 1);  // a copy into part of a blank picture
  EXPECT_EQ(text(dst) + "|" + text(scaled) + "|" + text(part), "a..d e..h|abcd ef..|.... .ab.");
  Picture filled(4, 2, kBack);
  filled.setPixel(0, 0, kBack);
  EXPECT_EQ(blank.bmpBytes(), filled.bmpBytes());

  blank.resize(5, 1);
  Picture::bitBlt(blank, 0, 0, 5, 1, Picture(5, 1, kBack), 0, 0);
  EXPECT_TRUE(blank.isBlank());
  blank.setPixel(4, 0, 'z');
  EXPECT_EQ(text(blank), "....z");
  blank.clear();  // gives the pixels back; a new background fills only what comes after
  EXPECT_TRUE(blank.isBlank());
  blank.setBackColor('#');
  blank.resize(6, 2);
  EXPECT_EQ(text(blank), ".....# ######");
  blank.clear();
  EXPECT_EQ(text(blank), "###### ######");
}
