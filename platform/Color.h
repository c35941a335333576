#pragma once
#include <cstdint>
#include <QRgb>

// The program keeps colours as 0x00BBGGRR (red in the low byte), the form its
// settings file and palette texts store; Qt's images want 0xAARRGGBB. The two
// meet only here.
inline constexpr int32_t RGBColor(int r, int g, int b) { return r + 256 * g + 65536 * b; }
inline QRgb toQRgb(int32_t c) {
  return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
inline int32_t fromQRgb(QRgb q) { return RGBColor(qRed(q), qGreen(q), qBlue(q)); }
