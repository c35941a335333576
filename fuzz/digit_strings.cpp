#include "FuzzTarget.h"
#include "model/Conversions.h"
#include "platform/NumericText.h"

// Bit strings, decimal digit strings and numeric text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = textOf(data, size);
  const std::string bits = DecToBin(text);
  FUZZ_CHECK(bits.size() >= 8 && bits.find_first_not_of("01") == std::string::npos);
  const std::string dec = BinToDec(text);
  FUZZ_CHECK(!dec.empty() && dec.find_first_not_of("0123456789") == std::string::npos);
  FUZZ_CHECK(BinToDec(DecToBin(dec)) == dec);
  FUZZ_CHECK(ReverseString(ReverseString(text)) == text);
  (void)BinToLong(text);
  if (size >= 2) {
    const std::string b = ByteToBin(int16_t(data[0] | data[1] << 8));
    FUZZ_CHECK(b.size() == 8 && BinToDec(b) == std::to_string(data[0]));
  }
  const int64_t r = RoundHalfEven(Val(text));
  const int32_t l = ValLong(text);
  const int16_t s = ValShort(text);
  FUZZ_CHECK(r < INT32_MIN || r > INT32_MAX || l == r);
  FUZZ_CHECK(r < INT16_MIN || r > INT16_MAX || s == r);
  return 0;
}
