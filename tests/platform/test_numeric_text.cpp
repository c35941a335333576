#include <gtest/gtest.h>

#include "platform/NumericText.h"

TEST(NumericText, TheLeadingDecimalOrAmpersandHNumberCountsAndNothingElse) {
  const std::pair<const char*, double> rows[] = {
      {"75", 75}, {"  -12.25xyz", -12.25}, {".5", 0.5}, {"10,20", 10}, {"", 0}, {"abc", 0},
      {"-", 0},   {"x12", 0}, {"&Hff", 255}, {"&h0A", 10}, {"&H", 0}, {"&H1g", 1}, {"&Hzz", 0},
      {"&HFF8000", 16744448}, {"1e999", 1},  // no exponent: the number is 1
  };
  for (const auto& [text, value] : rows) EXPECT_DOUBLE_EQ(Val(text), value) << text;
}

TEST(NumericText, TiesRoundToTheEvenNumberAndHugeNumbersClampInsteadOfWrapping) {
  const std::pair<double, int64_t> rows[] = {
      {40.5, 40}, {41.5, 42}, {-2.5, -2}, {-3.5, -4}, {0.49, 0}, {0.51, 1}};
  for (const auto& [v, rounded] : rows) EXPECT_EQ(RoundHalfEven(v), rounded) << v;
  const std::tuple<std::string, int64_t, int64_t> texts[] = {  // as 16 and as 32 bits
      {"40.5", 40, 40}, {"41.5", 42, 42}, {"65536", 32767, 65536}, {"-40000", -32768, -40000},
      {"4294967296", 32767, 2147483647}, {std::string(400, '9'), 32767, 2147483647},
      {"-99999999999999999999999", -32768, -2147483648}};
  for (const auto& [text, v16, v32] : texts) {
    EXPECT_EQ(ValShort(text), v16) << text;
    EXPECT_EQ(ValLong(text), v32) << text;
  }
}
