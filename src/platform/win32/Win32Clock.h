#pragma once
#include "platform/Clock.h"
#include "platform/WallClock.h"

namespace pipit::win32 {

class Win32Clock final : public Clock, public WallClock {
 public:
  uint32_t tickCount() const override;
  Text nowText() const override;
  int64_t utcSeconds() const override;
};

}  // namespace pipit::win32
