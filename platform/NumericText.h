#pragma once
#include <cstdint>
#include <string>

// Numeric text as the program reads it from settings, text boxes and palette
// entries: the longest leading decimal number (optional blanks, sign, digits,
// fraction), or a hexadecimal number after "&H"; 0 when there is none.
double Val(const std::string& text);

// Round to the nearest integer, ties to the even one (12.5 -> 12, 13.5 -> 14).
int64_t RoundHalfEven(double v);

// Val, rounded half-even and clamped to the type's range.
int32_t ValLong(const std::string& text);
int16_t ValShort(const std::string& text);
