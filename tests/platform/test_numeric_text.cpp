#include <gtest/gtest.h>

#include "platform/NumericText.h"

TEST(NumericText, TheLeadingDecimalOrAmpersandHNumberCountsAndNothingElse) {
  const std::pair<const char*, double> rows[] = {
      {"75", 75},        {"  -12.25xyz", -12.25}, {".5", 0.5},   {"10,20", 10},
      {"", 0},           {"abc", 0},              {"-", 0},      {"x12", 0},
      {"&Hff", 255},     {"&h0A", 10},            {"&H", 0},     {"&H1g", 1},
      {"&HFF8000", 16744448}, {"&Hzz", 0},  {"1e999", 1},  // no exponent: the number is 1
  };
  for (const auto& [text, value] : rows) EXPECT_DOUBLE_EQ(Val(text), value) << text;
}

TEST(NumericText, TiesRoundToTheEvenNumberAndHugeNumbersClampInsteadOfWrapping) {
  const std::pair<double, int64_t> rows[] = {
      {40.5, 40}, {41.5, 42}, {-2.5, -2}, {-3.5, -4}, {0.49, 0}, {0.51, 1}};
  for (const auto& [v, rounded] : rows) EXPECT_EQ(RoundHalfEven(v), rounded) << v;
  const std::pair<std::string, int64_t> shorts[] = {
      {"40.5", 40}, {"40000", 32767}, {"-40000", -32768}, {"65536", 32767}};  // not 0
  for (const auto& [text, v] : shorts) EXPECT_EQ(ValShort(text), v) << text;
  const std::pair<std::string, int64_t> longs[] = {{"41.5", 42},
                                                   {"4294967296", 2147483647},
                                                   {"-99999999999999999999999", -2147483648},
                                                   {std::string(400, '9'), 2147483647}};
  for (const auto& [text, v] : longs) EXPECT_EQ(ValLong(text), v) << text;
}
