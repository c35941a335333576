#include "dialogs/CreditsBackground.h"

#include <QPainter>
#include <cmath>

#include "model/Palettes.h"
#include "platform/Color.h"

namespace {

constexpr int kWidth = 530, kHeight = 275;
constexpr int kCell = 16;
// The mosaic starts right of the scrolling text and fades in from there.
constexpr int kMosaicLeft = 304;

// A fixed scramble of the cell position: the same picture every time.
uint32_t cellHash(int cx, int cy) {
  uint32_t h = uint32_t(cx) * 73856093u ^ uint32_t(cy) * 19349663u;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  return h ^ (h >> 15);
}

QColor mix(QColor a, QColor b, double t) {
  return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                          float(a.greenF() + (b.greenF() - a.greenF()) * t),
                          float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

}  // namespace

QImage CreditsBackground() {
  QImage img(kWidth, kHeight, QImage::Format_RGB888);
  const QColor top(12, 10, 48), bottom(40, 20, 70);
  for (int y = 0; y < kHeight; ++y) {
    const QColor row = mix(top, bottom, double(y) / (kHeight - 1));
    for (int x = 0; x < kWidth; ++x) img.setPixelColor(x, y, row);
  }

  QPainter p(&img);
  // The C64's own colours, black and the two darkest blues left out so that
  // every cell stands off the night behind it.
  static const int kColors[] = {1, 2, 3, 4, 5, 7, 8, 10, 13, 14, 15};
  for (int cy = 0; cy * kCell < kHeight; ++cy) {
    for (int cx = kMosaicLeft / kCell; cx * kCell < kWidth; ++cx) {
      const int x = cx * kCell, y = cy * kCell;
      const uint32_t h = cellHash(cx, cy);
      // Fewer and dimmer cells towards the text, a diagonal sweep of light.
      const double reach = double(x - kMosaicLeft) / (kWidth - kMosaicLeft);
      const double sweep = 0.5 + 0.5 * std::sin((cx + cy) * 0.45);
      if ((h % 100) > 25 + 70 * reach) continue;
      const int32_t c = kBuiltInPalette[size_t(kColors[h / 100 % std::size(kColors)])];
      const QColor cell = mix(img.pixelColor(x, y), QColor(toQRgb(c)), 0.25 + 0.55 * reach * sweep);
      p.fillRect(x + 1, y + 1, kCell - 2, kCell - 2, cell);
      p.fillRect(x + 1, y + 1, kCell - 2, 1, cell.lighter(130));
    }
  }
  // A thin rule between the text and the mosaic.
  p.fillRect(kMosaicLeft - 3, 0, 1, kHeight, QColor(90, 80, 160));
  // Dark plate under "Click To Close" so the small print stays legible.
  p.fillRect(424, 234, 100, 25, QColor(12, 10, 48, 220));
  return img;
}
