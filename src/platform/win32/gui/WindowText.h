#pragma once
#include <windows.h>

#include "base/Text.h"

namespace pipit::win32 {

// A window's or control's text; empty for none, or when it cannot be read.
Text windowText(HWND window);

}  // namespace pipit::win32
