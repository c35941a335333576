#include <gtest/gtest.h>

#include "platform/Rnd.h"

namespace {

TEST(Rnd, SequenceIsTheSameAtEveryStart) {
  // x = (x * 0x43FD43FD + 0xC39EC3) mod 2^24 from 0x50000, worked by hand:
  // 0xB49EC3, 0x888E7A, 0x945B55, 0x4A20C4.
  ResetRnd();
  EXPECT_DOUBLE_EQ(Rnd(), 11837123.0 / 16777216.0);
  EXPECT_DOUBLE_EQ(Rnd(), 8949370.0 / 16777216.0);
  EXPECT_DOUBLE_EQ(Rnd(), 9722709.0 / 16777216.0);
  EXPECT_DOUBLE_EQ(Rnd(), 4858052.0 / 16777216.0);
  ResetRnd();
  EXPECT_DOUBLE_EQ(Rnd(), 11837123.0 / 16777216.0);
}

}  // namespace
