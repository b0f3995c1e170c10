#pragma once
#include "platform/EventPump.h"

namespace pipit::win32 {

class Win32EventPump final : public EventPump {
 public:
  void deliverPending() override;
  void waitForEvents(uint32_t milliseconds) override;
};

}  // namespace pipit::win32
