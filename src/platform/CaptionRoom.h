#pragma once
// Room for captions in a layout drawn in advance. The layout was drawn for
// one face at one scale; the face a window gets, at the scale of its screen,
// may draw a caption wider than the layout allows. Such a caption takes room
// from free space on its row, never from another control's caption.
#include <vector>

#include "base/Pixels.h"

namespace pipit {

struct PlacedControl {
  PixelRect rect;      // in the window's client area
  int need = 0;        // the width its caption needs whole; 0 without one
  bool frame = false;  // a group box: it holds the controls inside it
};

// Widens every control narrower than its need, by the first of these that
// gives room, then the next:
//  - free space to its right, up to the next control on its row or the
//    inner edge of what holds it (its frame, or the window);
//  - free space to the left of its column, which moves left; controls to the
//    left keep their captions' room;
//  - the column of the next control on its row, which moves right and
//    narrows, down to its caption's need or, without a caption, half its
//    width.
// A column is the controls one frame holds that share a left edge: they move
// together, so that they stay aligned. Controls are on a row when their
// heights overlap. Frames keep their place. `inset` is the margin inside a
// frame or the window, and the space a caption given room keeps before the
// next control on its row.
void makeRoomForCaptions(std::vector<PlacedControl>& controls, int clientWidth, int inset);

}  // namespace pipit
