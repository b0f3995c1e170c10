#pragma once
// What every benchmark shares: the best time of a few runs, and one line per
// figure that scripts/bench gathers into the performance table (the figure,
// what was measured, its floor from the same run and the ratio).
#include <algorithm>
#include <chrono>
#include <cstdio>

namespace pipit::bench {

// The fastest of `runs` runs of `f`, in milliseconds: the least disturbed.
template <class F>
double bestOf(int runs, F&& f) {
  using Clock = std::chrono::steady_clock;
  double best = 1e300;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    f();
    best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  return best;
}

inline void reportRow(const char* figure, double value, const char* unit, double floor,
                      const char* floorName) {
  std::printf("row\t%s\t%.2f %s\t%.2f %s (%s)\t%.2f\n", figure, value, unit, floor, unit, floorName,
              floor > 0 ? value / floor : 0.0);
}

}  // namespace pipit::bench
