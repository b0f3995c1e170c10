#pragma once
// Room for captions: the arithmetic is the portable one (platform/CaptionRoom.h);
// what a caption needs is measured here, in the window's font at its scale
// (captionWidth() in ControlLayout.h).
#include "platform/CaptionRoom.h"

namespace pipit::win32 {

using pipit::makeRoomForCaptions;
using pipit::PlacedControl;

}  // namespace pipit::win32
