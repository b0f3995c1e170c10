#pragma once
// Plain text on the system clipboard.
#include <windows.h>

#include <optional>

#include "base/Text.h"

namespace pipit::ext::win32 {

// Nothing when the clipboard holds no text or cannot be opened.
std::optional<Text> readClipboardText(HWND owner);

// Empties the clipboard and puts the text on it. False when that failed.
bool writeClipboardText(HWND owner, const Text& text);

}  // namespace pipit::ext::win32
