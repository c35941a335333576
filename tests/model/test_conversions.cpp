#include <gtest/gtest.h>

#include "model/Conversions.h"

namespace {

TEST(Conversions, DecimalToBitsPadsToEightDigits) {
  EXPECT_EQ(DecToBin(""), "00000000");
  EXPECT_EQ(DecToBin("0"), "00000000");
  EXPECT_EQ(DecToBin("000"), "00000000");
  EXPECT_EQ(DecToBin("5"), "00000101");
  EXPECT_EQ(DecToBin("005"), "00000101");
  EXPECT_EQ(DecToBin("128"), "10000000");
  EXPECT_EQ(DecToBin("255"), "11111111");
}

TEST(Conversions, DecimalToBitsKeepsEveryDigitOfLargeNumbers) {
  EXPECT_EQ(DecToBin("256"), "100000000");
  EXPECT_EQ(DecToBin("1023"), "1111111111");
}

TEST(Conversions, BitsToDecimal) {
  EXPECT_EQ(BinToDec(""), "0");
  EXPECT_EQ(BinToDec("00000000"), "0");
  EXPECT_EQ(BinToDec("00000101"), "5");
  EXPECT_EQ(BinToDec("11111111"), "255");
  EXPECT_EQ(BinToDec("1x1"), "5");
  EXPECT_EQ(BinToDec("100000000"), "256");
}

TEST(Conversions, ReverseString) {
  EXPECT_EQ(ReverseString("10110000"), "00001101");
  EXPECT_EQ(ReverseString(""), "");
  EXPECT_EQ(ReverseString("a"), "a");
}

TEST(Conversions, BitsToLong) {
  EXPECT_EQ(BinToLong(""), 0);
  EXPECT_EQ(BinToLong("00000001"), 1);
  EXPECT_EQ(BinToLong("10000000"), 128);
  EXPECT_EQ(BinToLong("11111111"), 255);
  EXPECT_EQ(BinToLong("1x1"), 5);
}

TEST(Conversions, ByteToBitsTakesTheLowEightBits) {
  EXPECT_EQ(ByteToBin(0), "00000000");
  EXPECT_EQ(ByteToBin(5), "00000101");
  EXPECT_EQ(ByteToBin(255), "11111111");
  EXPECT_EQ(ByteToBin(256), "00000000");
  EXPECT_EQ(ByteToBin(300), "00101100");
  EXPECT_EQ(ByteToBin(-1), "11111111");
}

TEST(Conversions, EveryByteSurvivesTheRoundTrips) {
  for (int b = 0; b < 256; ++b) {
    EXPECT_EQ(BinToDec(DecToBin(std::to_string(b))), std::to_string(b)) << b;
    EXPECT_EQ(BinToLong(ByteToBin(int16_t(b))), b) << b;
  }
}

}  // namespace
