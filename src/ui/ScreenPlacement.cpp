#include "ui/ScreenPlacement.h"

#include <cstdint>

namespace pipit {

PixelPoint keepOnScreen(PixelPoint wanted, PixelPoint size,
                        const std::vector<PixelRect>& workAreas) {
  if (workAreas.empty()) return wanted;
  // 64-bit sums: a stored position near the end of the range must not wrap.
  const int64_t right = int64_t{wanted.x} + size.x;
  const int64_t bottom = int64_t{wanted.y} + size.y;
  for (const PixelRect& area : workAreas) {
    const bool apart = right <= area.left || wanted.x >= int64_t{area.left} + area.width ||
                       bottom <= area.top || wanted.y >= int64_t{area.top} + area.height;
    if (!apart) return wanted;
  }
  return {workAreas.front().left, workAreas.front().top};
}

}  // namespace pipit
