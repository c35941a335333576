#pragma once
#include <cstdint>
#include <string>

// Digit-string conversions: bit texts are "0"/"1" characters, most significant first.
std::string DecToBin(const std::string& decimal);  // at least 8 digits
std::string BinToDec(const std::string& bits);     // a character other than "1" counts 0
std::string ReverseString(const std::string& text);
int32_t BinToLong(const std::string& bits);
std::string ByteToBin(int16_t value);  // low 8 bits, exactly 8 digits
