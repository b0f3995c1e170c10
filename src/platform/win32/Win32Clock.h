#pragma once
#include "platform/Clock.h"

namespace pipit::win32 {

class Win32Clock final : public Clock {
 public:
  uint32_t tickCount() const override;
  Text nowText() const override;
};

}  // namespace pipit::win32
