#include "model/Conversions.h"

#include <cstdint>

std::string DecToBin(const std::string& decimal) {
  // The leading digits denote the number; no caller passes anything else.
  uint64_t v = 0;
  for (size_t i = 0; i < decimal.size() && decimal[i] >= '0' && decimal[i] <= '9'; ++i) {
    uint64_t d = uint64_t(decimal[i] - '0');
    if (v > (UINT64_MAX - d) / 10) break;  // stop before the value wraps
    v = v * 10 + d;
  }
  std::string bits;
  for (int n = 0; v > 0 || n < 8; v /= 2, ++n) bits.insert(bits.begin(), char('0' + v % 2));
  return bits;
}

std::string BinToDec(const std::string& bits) {
  size_t first = bits.find_first_not_of('0');
  if (first == std::string::npos) return "0";
  uint64_t sum = 0, weight = 1;
  for (size_t i = bits.size(); i > first; --i, weight <<= 1)
    if (bits[i - 1] == '1') sum += weight;
  return std::to_string(sum);
}

std::string ReverseString(const std::string& text) { return std::string(text.rbegin(), text.rend()); }

int32_t BinToLong(const std::string& bits) {
  uint32_t sum = 0;
  for (char c : bits) sum = (sum << 1) | (c == '1' ? 1u : 0u);
  return int32_t(sum);
}

std::string ByteToBin(int16_t value) {
  unsigned v = unsigned(uint16_t(value)) & 0xFFu;
  std::string bits(8, '0');
  for (int i = 0; i < 8; ++i)
    if (v & (0x80u >> i)) bits[size_t(i)] = '1';
  return bits;
}
