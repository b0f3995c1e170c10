#pragma once
#include <cstdint>

#include "platform/Clock.h"
#include "platform/EventPump.h"

namespace pipit {

// Waits at least `milliseconds` on the 32-bit tick count while the windows
// stay alive: every pending event is delivered each time the wait wakes, and
// the wait sleeps between events instead of spinning. Zero or less still
// delivers pending events once. The elapsed time is taken modulo 2^32, so a
// wrap of the tick count neither ends nor prolongs the wait.
void waitFor(int32_t milliseconds, const Clock& clock, EventPump& pump);

}  // namespace pipit
