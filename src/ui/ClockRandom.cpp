#include "ui/ClockRandom.h"

namespace pipit {

float ClockRandom::nextUnit() {
  state_ += 0x9E3779B97F4A7C15ULL ^ (static_cast<uint64_t>(clock_.tickCount()) << 17);
  // splitmix64: every state change spreads over all output bits.
  uint64_t z = state_;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  z ^= z >> 31;
  // 24 bits fill a float's mantissa exactly, so the result stays below 1.
  return static_cast<float>(z >> 40) * 0x1p-24f;
}

}  // namespace pipit
