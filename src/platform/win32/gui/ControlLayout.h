#pragma once
// Placing a window's controls at the window's scale: each gets the window's
// font and a caption the font draws whole (see CaptionRoom.h). A window
// places its controls this way when it is made and again when its scale
// changes, so that both go the same way.
#include <windows.h>

#include <vector>

#include "base/Pixels.h"
#include "platform/win32/gui/GdiHandles.h"
#include "platform/win32/gui/Twips.h"

namespace pipit::win32 {

struct ControlPlace {
  HWND control = nullptr;
  PixelRect rect;      // in the client area; a drop-down list's closed height
  int dropHeight = 0;  // how far a drop-down list opens below that
};

// The width `control` needs to show its caption whole in `font` at `dpi`:
// the text, with a check box's box and the gap after it, or a push button's
// edges; 0 for a control without a caption, and for a group box.
int captionWidth(HWND control, HGDIOBJ font, Dpi dpi);

// Gives every control the font, makes room for the captions it draws
// (`inset` as for makeRoomForCaptions) and moves the controls there.
void placeControls(const std::vector<ControlPlace>& places, const GdiObject& font, Dpi dpi,
                   int clientWidth, int inset);

// The window's outer size for a client area of `width` by `height`.
SIZE frameSize(HWND window, int width, int height);
// Sizes the window so that its client area is `width` by `height`, its top
// left corner staying where it is.
void setClientSize(HWND window, int width, int height);

}  // namespace pipit::win32
