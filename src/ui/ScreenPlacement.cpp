#include "ui/ScreenPlacement.h"

#include <algorithm>
#include <cstdint>

namespace pipit {
namespace {

// 64-bit throughout: a stored position near the end of the range must not
// wrap.
int64_t overlap(int64_t start, int64_t length, int64_t areaStart, int64_t areaLength) {
  return std::max<int64_t>(
      0, std::min(start + length, areaStart + areaLength) - std::max(start, areaStart));
}

int64_t clampInto(int64_t start, int64_t length, int64_t areaStart, int64_t areaLength) {
  // Larger than the area: its top-left shows, where her caption and face are.
  return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

}  // namespace

PixelPoint keepOnScreen(PixelPoint wanted, PixelPoint size,
                        const std::vector<PixelRect>& workAreas) {
  if (workAreas.empty()) return wanted;
  const int64_t whole = int64_t{size.x} * size.y;
  int64_t covered = 0;
  const PixelRect* most = &workAreas.front();
  int64_t mostCovered = 0;
  for (const PixelRect& area : workAreas) {
    const int64_t part = overlap(wanted.x, size.x, area.left, area.width) *
                         overlap(wanted.y, size.y, area.top, area.height);
    covered += part;
    if (part > mostCovered) {
      most = &area;
      mostCovered = part;
    }
  }
  if (covered >= whole) return wanted;
  if (mostCovered == 0) return {most->left, most->top};
  return {static_cast<int32_t>(clampInto(wanted.x, size.x, most->left, most->width)),
          static_cast<int32_t>(clampInto(wanted.y, size.y, most->top, most->height))};
}

}  // namespace pipit
