#pragma once
// One line per figure that scripts/bench gathers into the performance table:
// the figure, what was measured, its floor from the same run and the ratio.
#include <cstdio>

namespace pipit::bench {

inline void reportRow(const char* figure, double value, const char* unit, double floor,
                      const char* floorName) {
  std::printf("row\t%s\t%.2f %s\t%.2f %s (%s)\t%.2f\n", figure, value, unit, floor, unit, floorName,
              floor > 0 ? value / floor : 0.0);
}

}  // namespace pipit::bench
