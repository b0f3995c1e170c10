#pragma once
#include <cstdint>
#include <vector>

#include "base/Pixels.h"

namespace pipit {

// A monitor: all of it, and the part of it that the taskbar and docked bars
// leave to windows.
struct Screen {
  PixelRect area;
  PixelRect workArea;
};

// Where a window of `size` stored at `wanted` is put. She stays exactly
// where she was stored while a square of `grip` pixels of her (or all of
// her, if she is smaller) lies on one monitor, taskbar included: enough to
// take her with the mouse and drag her back, so a place the user chose past
// an edge or over the taskbar is his. Only a window out of reach so (a
// position stored on a monitor that is gone, or at another scale, or written
// by hand) is moved, as little as it takes to show her whole on the work
// area nearest to her; one larger than that area shows its top-left, where
// her face and caption are. The primary screen first wins a tie.
PixelPoint keepReachable(PixelPoint wanted, PixelPoint size, int32_t grip,
                         const std::vector<Screen>& screens);

}  // namespace pipit
