#include <gtest/gtest.h>

#include "model/Conversions.h"

TEST(DigitStrings, EdgeCasesOfEachConversionAndEveryByteRoundTrips) {
  const std::pair<std::string, std::string> rows[] = {
      {DecToBin(""), "00000000"}, {DecToBin("005"), "00000101"}, {DecToBin("256"), "100000000"},
      {BinToDec(""), "0"},        {BinToDec("00000101"), "5"},   {BinToDec("1x1"), "5"},
      {ReverseString("10110000"), "00001101"}, {std::to_string(BinToLong("")), "0"},
      {ByteToBin(256), "00000000"}, {ByteToBin(300), "00101100"}, {ReverseString(""), ""},
  };
  for (const auto& [got, want] : rows) EXPECT_EQ(got, want);
  for (int b = 0; b < 256; ++b) {
    EXPECT_EQ(BinToDec(DecToBin(std::to_string(b))), std::to_string(b)) << b;
    EXPECT_EQ(BinToLong(ByteToBin(int16_t(b))), b) << b;
  }
}
