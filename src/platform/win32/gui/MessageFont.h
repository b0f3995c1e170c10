#pragma once
// The face the system uses for message boxes: the controls' own default is
// the old bitmap system font.
#include <windows.h>

#include "platform/win32/gui/GdiHandles.h"
#include "platform/win32/gui/Twips.h"

namespace pipit::win32 {

// At the size the user chose for messages, for a window at `dpi`; null when
// the system does not say which face that is.
GdiObject messageFont(Dpi dpi);
// At `points`, for a layout that leaves room for text of that size and no
// more, at `dpiY` dots per inch.
GdiObject messageFont(int points, int dpiY);

// Gives `control` the font, which must outlive it; nothing for a null font.
void setFont(HWND control, const GdiObject& font);

}  // namespace pipit::win32
