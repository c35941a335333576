#include "platform/NumericText.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

double Val(const std::string& text) {
  size_t i = 0, n = text.size();
  while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;

  if (i + 1 < n && text[i] == '&' && (text[i + 1] == 'H' || text[i + 1] == 'h')) {
    double v = 0;
    for (i += 2; i < n && hexDigit(text[i]) >= 0; ++i) v = v * 16 + hexDigit(text[i]);
    return v;
  }

  // The number is cut out by hand and converted by from_chars: strtod would
  // follow the user's locale and read "40,5" where the settings mean "40".
  // Text without a digit ("", "-", ".") is no number, which from_chars
  // refuses, leaving 0.
  const bool negative = i < n && text[i] == '-';
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  const size_t digitsStart = i;
  while (i < n && isDigit(text[i])) ++i;
  if (i < n && text[i] == '.') ++i;
  while (i < n && isDigit(text[i])) ++i;
  double v = 0;
  auto res = std::from_chars(text.data() + digitsStart, text.data() + i, v);
  if (res.ec == std::errc::result_out_of_range) v = std::numeric_limits<double>::max();
  return negative ? -v : v;
}

int64_t RoundHalfEven(double v) {
  if (std::isnan(v)) return 0;
  // Beyond 2^62 every double is already whole; clamp before the conversion,
  // which would be undefined out of range.
  constexpr double kLimit = 4611686018427387904.0;  // 2^62
  if (v >= kLimit) return std::numeric_limits<int64_t>::max();
  if (v <= -kLimit) return std::numeric_limits<int64_t>::min();
  double f = std::floor(v);
  double diff = v - f;
  int64_t r = int64_t(f);
  if (diff > 0.5 || (diff == 0.5 && (r % 2 != 0))) ++r;
  return r;
}

int32_t ValLong(const std::string& text) {
  int64_t r = RoundHalfEven(Val(text));
  if (r > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (r < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return int32_t(r);
}

int16_t ValShort(const std::string& text) {
  int64_t r = RoundHalfEven(Val(text));
  if (r > std::numeric_limits<int16_t>::max()) return std::numeric_limits<int16_t>::max();
  if (r < std::numeric_limits<int16_t>::min()) return std::numeric_limits<int16_t>::min();
  return int16_t(r);
}
