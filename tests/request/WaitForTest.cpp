#include <gtest/gtest.h>

#include "fakes/FakePorts.h"
#include "request/WaitFor.h"

namespace pipit {
namespace {

// The clock moves only while the pump sleeps, by what the sleep asked for,
// capped to model events that wake the wait early.
class SleepingPump : public fakes::FakeEventPump {
 public:
  SleepingPump(fakes::FakeClock& clock, uint32_t cap) : clock_(clock), cap_(cap) {}
  void waitForEvents(uint32_t milliseconds) override {
    FakeEventPump::waitForEvents(milliseconds);
    clock_.ticks += milliseconds < cap_ ? milliseconds : cap_;
  }

 private:
  fakes::FakeClock& clock_;
  uint32_t cap_;
};

struct Case {
  const char* name;
  uint32_t start;
  int32_t milliseconds;
  uint32_t cap;
  uint32_t elapsed;  // ticks that have passed at the return
  int deliveries;    // times pending events were delivered
};

TEST(WaitForTest, WaitsAtLeastTheTimeAndDeliversEventsThroughout) {
  const Case cases[] = {
      {"zero delivers once", 500, 0, 1000, 0, 1},
      {"negative delivers once", 500, -20, 1000, 0, 1},
      {"one sleep", 500, 300, 1000, 300, 2},
      {"woken early, sleeps again for the rest", 500, 300, 120, 300, 4},
      {"across the wrap of the tick count", 0xFFFFFF00u, 1000, 1000, 1000, 2},
      {"woken across the wrap", 0xFFFFFFF0u, 100, 40, 100, 4},
  };
  for (const Case& c : cases) {
    fakes::FakeClock clock;
    clock.ticks = c.start;
    SleepingPump pump(clock, c.cap);
    waitFor(c.milliseconds, clock, pump);
    EXPECT_EQ(static_cast<uint32_t>(clock.ticks - c.start), c.elapsed) << c.name;
    EXPECT_EQ(pump.delivered, c.deliveries) << c.name;
  }
}

TEST(WaitForTest, AnEventHandlerThatTakesLongEndsTheWait) {
  fakes::FakeClock clock;
  clock.ticks = 10;
  SleepingPump pump(clock, 1000);
  pump.onDeliver = [&] { clock.ticks += 5000; };
  waitFor(3000, clock, pump);
  EXPECT_TRUE(pump.waits.empty());
  EXPECT_EQ(pump.delivered, 1);
}

}  // namespace
}  // namespace pipit
