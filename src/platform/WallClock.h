#pragma once
// The calendar time, for what must be remembered over months. The platform
// Clock's tick count starts again at every boot and wraps every 49.7 days,
// so it cannot date a use across restarts.
#include <cstdint>

namespace pipit {

class WallClock {
 public:
  virtual ~WallClock() = default;
  // Seconds since 1970-01-01 00:00 UTC. It can go back when the user sets
  // the clock; readers must not assume it only grows.
  virtual int64_t utcSeconds() const = 0;
};

}  // namespace pipit
