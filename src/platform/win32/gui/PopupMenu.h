#pragma once
#include <windows.h>

#include <cstddef>
#include <optional>
#include <vector>

#include "platform/MenuItem.h"

namespace pipit::win32 {

// Pops a menu of `items` up at the pointer for `owner` and waits for the
// choice: the index of the chosen item, or nothing when the menu was left.
// At the pointer, or at `at` (screen coordinates) when given.
std::optional<std::size_t> trackPopupMenu(HWND owner, const std::vector<MenuItem>& items,
                                          std::optional<POINT> at = std::nullopt);

}  // namespace pipit::win32
