#include "request/WaitFor.h"

namespace pipit {

void waitFor(int32_t milliseconds, const Clock& clock, EventPump& pump) {
  const uint32_t start = clock.tickCount();
  pump.deliverPending();
  if (milliseconds <= 0) return;
  const auto wanted = static_cast<uint32_t>(milliseconds);
  for (;;) {
    const uint32_t elapsed = clock.tickCount() - start;  // unsigned: modulo 2^32
    if (elapsed >= wanted) return;
    pump.waitForEvents(wanted - elapsed);
    pump.deliverPending();
  }
}

}  // namespace pipit
