#pragma once
#include <cstdint>

#include "base/Text.h"

namespace pipit {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since the system started; wraps around every 49.7 days.
  virtual uint32_t tickCount() const = 0;
  // The local date and time in the system's general format: short date, a
  // blank, long time ("2026/12/7 22:04:59" on a Japanese system).
  virtual Text nowText() const = 0;
};

}  // namespace pipit
