#pragma once
#include <vector>

#include "ui/CharacterWindowView.h"

namespace pipit {

// Where a window of `size` asked to stand at `wanted` is put: where it was
// asked when the work areas hold all of it (across screens, too). A window
// partly off them is pulled in, as little as it takes, onto the work area
// that holds most of it: a position stored at another screen scale, or on a
// screen that has since shrunk, never leaves her half hidden. One off every
// work area goes to the top-left corner of the primary one (the first), so a
// position stored on a screen that is gone never hides her for good.
PixelPoint keepOnScreen(PixelPoint wanted, PixelPoint size,
                        const std::vector<PixelRect>& workAreas);

}  // namespace pipit
