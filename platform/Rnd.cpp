#include "platform/Rnd.h"

#include <cstdint>

namespace {

// The classic 24-bit linear congruential generator and its fixed start value:
// the area fill's patterns repeat from one program start to the next.
constexpr uint32_t kStart = 0x50000;
uint32_t state = kStart;

}  // namespace

double Rnd() {
  state = uint32_t((uint64_t(state) * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu);
  return double(state) / 16777216.0;
}

void ResetRnd() { state = kStart; }
