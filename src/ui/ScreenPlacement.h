#pragma once
#include <vector>

#include "ui/CharacterWindowView.h"

namespace pipit {

// Where a window of `size` asked to stand at `wanted` is put: where it was
// asked when any part of it lies on one of the work areas, else at the
// top-left corner of the primary work area (the first one), so a position
// stored on a screen that is gone never hides the character for good.
PixelPoint keepOnScreen(PixelPoint wanted, PixelPoint size,
                        const std::vector<PixelRect>& workAreas);

}  // namespace pipit
