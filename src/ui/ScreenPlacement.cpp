#include "ui/ScreenPlacement.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pipit {
namespace {

// 64-bit throughout: a stored position near the end of the range must not
// wrap.
int64_t overlap(int64_t start, int64_t length, int64_t areaStart, int64_t areaLength) {
  return std::max<int64_t>(
      0, std::min(start + length, areaStart + areaLength) - std::max(start, areaStart));
}

int64_t clampInto(int64_t start, int64_t length, int64_t areaStart, int64_t areaLength) {
  return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

}  // namespace

PixelPoint keepReachable(PixelPoint wanted, PixelPoint size, int32_t grip,
                         const std::vector<Screen>& screens) {
  if (screens.empty()) return wanted;
  const int64_t gripX = std::min<int64_t>(std::max(grip, 1), std::max(size.x, 1));
  const int64_t gripY = std::min<int64_t>(std::max(grip, 1), std::max(size.y, 1));
  for (const Screen& screen : screens) {
    const PixelRect& area = screen.area;
    if (overlap(wanted.x, size.x, area.left, area.width) >= gripX &&
        overlap(wanted.y, size.y, area.top, area.height) >= gripY) {
      return wanted;
    }
  }
  PixelPoint nearest = wanted;
  double shortest = std::numeric_limits<double>::infinity();
  for (const Screen& screen : screens) {
    const PixelRect& work = screen.workArea;
    const int64_t x = clampInto(wanted.x, size.x, work.left, work.width);
    const int64_t y = clampInto(wanted.y, size.y, work.top, work.height);
    // In doubles: a leg may span the whole 32-bit range, its square not.
    const double moved =
        std::hypot(static_cast<double>(x - wanted.x), static_cast<double>(y - wanted.y));
    if (moved < shortest) {
      shortest = moved;
      nearest = {static_cast<int32_t>(x), static_cast<int32_t>(y)};
    }
  }
  return nearest;
}

}  // namespace pipit
