#include <gtest/gtest.h>

#include "platform/Rnd.h"

TEST(Rnd, SequenceIsTheSameAtEveryStart) {
  // x = (x * 0x43FD43FD + 0xC39EC3) mod 2^24 from 0x50000, worked by hand:
  // 0xB49EC3, 0x888E7A, 0x945B55, 0x4A20C4.
  for (int start = 0; start < 2; ++start) {
    ResetRnd();
    for (double x : {11837123.0, 8949370.0, 9722709.0, 4858052.0})
      EXPECT_DOUBLE_EQ(Rnd(), x / 16777216.0);
  }
}
