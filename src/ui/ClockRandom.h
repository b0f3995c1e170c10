#pragma once
#include <cstdint>

#include "platform/Clock.h"
#include "ui/RandomSource.h"

namespace pipit {

// Re-seeds from the tick count before every draw. The clock is mixed into the
// running state rather than replacing it, so two draws within one tick still
// differ instead of repeating the same line.
class ClockRandom final : public RandomSource {
 public:
  explicit ClockRandom(const Clock& clock) : clock_(clock) {}
  float nextUnit() override;

 private:
  const Clock& clock_;
  uint64_t state_ = 0x853C49E6748FEA9BULL;
};

}  // namespace pipit
