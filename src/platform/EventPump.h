#pragma once
#include <cstdint>
#include <functional>

namespace pipit {

// Delivery of the window events of the current thread, for waits that must
// keep the windows alive, and the one road to that thread from the others.
class EventPump {
 public:
  virtual ~EventPump() = default;
  // Delivers every event that is already waiting, then returns.
  virtual void deliverPending() = 0;
  // Sleeps until an event arrives or `milliseconds` pass, whichever is first.
  virtual void waitForEvents(uint32_t milliseconds) = 0;
  // Safe from any thread: `work` runs on the pump's thread as one of its
  // events, in the order posted, in modal loops too (boxes, menus, dialogs).
  virtual void post(std::function<void()> work) = 0;
};

}  // namespace pipit
