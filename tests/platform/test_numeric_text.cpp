#include <gtest/gtest.h>

#include "platform/NumericText.h"

namespace {

TEST(NumericText, LeadingDecimalNumberIsRead) {
  EXPECT_DOUBLE_EQ(Val("75"), 75);
  EXPECT_DOUBLE_EQ(Val("  -12.25xyz"), -12.25);
  EXPECT_DOUBLE_EQ(Val("+3"), 3);
  EXPECT_DOUBLE_EQ(Val(".5"), 0.5);
  EXPECT_DOUBLE_EQ(Val("12abc"), 12);
  EXPECT_DOUBLE_EQ(Val("10,20"), 10);
  EXPECT_DOUBLE_EQ(Val("7."), 7);
}

TEST(NumericText, TextWithoutANumberCountsZero) {
  EXPECT_DOUBLE_EQ(Val(""), 0);
  EXPECT_DOUBLE_EQ(Val("abc"), 0);
  EXPECT_DOUBLE_EQ(Val("-"), 0);
  EXPECT_DOUBLE_EQ(Val("."), 0);
  EXPECT_DOUBLE_EQ(Val("x12"), 0);
}

TEST(NumericText, HexadecimalAfterAmpersandH) {
  EXPECT_DOUBLE_EQ(Val("&Hff"), 255);
  EXPECT_DOUBLE_EQ(Val("&h0A"), 10);
  EXPECT_DOUBLE_EQ(Val("&H8"), 8);
  EXPECT_DOUBLE_EQ(Val("&H"), 0);
  EXPECT_DOUBLE_EQ(Val("&Hzz"), 0);
  EXPECT_DOUBLE_EQ(Val("&H1g"), 1);
  EXPECT_DOUBLE_EQ(Val("&HFF8000"), 16744448);
}

TEST(NumericText, RoundingTiesGoToTheEvenNumber) {
  EXPECT_EQ(RoundHalfEven(40.5), 40);
  EXPECT_EQ(RoundHalfEven(41.5), 42);
  EXPECT_EQ(RoundHalfEven(12.5), 12);
  EXPECT_EQ(RoundHalfEven(13.5), 14);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(-3.5), -4);
  EXPECT_EQ(RoundHalfEven(0.49), 0);
  EXPECT_EQ(RoundHalfEven(0.51), 1);
  EXPECT_EQ(RoundHalfEven(-0.4), 0);
}

TEST(NumericText, HugeNumbersClampInsteadOfWrapping) {
  EXPECT_EQ(ValShort("40000"), 32767);
  EXPECT_EQ(ValShort("-40000"), -32768);
  EXPECT_EQ(ValShort("65536"), 32767);  // wrapping would give 0
  EXPECT_EQ(ValLong("4294967296"), 2147483647);
  EXPECT_EQ(ValLong("-99999999999999999999999"), -2147483647 - 1);
  EXPECT_EQ(ValLong("1e999"), 1);  // no exponent: the number is 1
  EXPECT_EQ(RoundHalfEven(1e300), INT64_MAX);
  EXPECT_EQ(ValLong(std::string(400, '9')), 2147483647);
}

TEST(NumericText, ValuesConvertRoundedHalfEven) {
  EXPECT_EQ(ValShort("40.5"), 40);
  EXPECT_EQ(ValShort("12 percent"), 12);
  EXPECT_EQ(ValLong("-150"), -150);
  EXPECT_EQ(ValLong("16744448"), 16744448);
}

}  // namespace
