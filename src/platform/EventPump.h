#pragma once
#include <cstdint>

namespace pipit {

// Delivery of the window events of the current thread, for waits that must
// keep the windows alive.
class EventPump {
 public:
  virtual ~EventPump() = default;
  // Delivers every event that is already waiting, then returns.
  virtual void deliverPending() = 0;
  // Sleeps until an event arrives or `milliseconds` pass, whichever is first.
  virtual void waitForEvents(uint32_t milliseconds) = 0;
};

}  // namespace pipit
