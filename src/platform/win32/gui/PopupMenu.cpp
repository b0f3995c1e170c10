#include "platform/win32/gui/PopupMenu.h"

#include "platform/win32/gui/GdiHandles.h"

namespace pipit::win32 {

std::optional<std::size_t> trackPopupMenu(HWND owner, const std::vector<MenuItem>& items,
                                          std::optional<POINT> where) {
  MenuHandle menu(CreatePopupMenu());
  if (!menu) return std::nullopt;
  // Identifiers start at 1: TrackPopupMenu answers 0 for "nothing chosen".
  UINT_PTR id = 1;
  for (const MenuItem& item : items) {
    if (item.separator) {
      AppendMenuW(menu.get(), MF_SEPARATOR, id, nullptr);
    } else {
      AppendMenuW(menu.get(), MF_STRING, id, wide(item.caption));
    }
    ++id;
  }
  // The owner must be in front, or the menu stays open after a click
  // elsewhere.
  SetForegroundWindow(owner);
  POINT at{};
  if (where) {
    at = *where;
  } else {
    GetCursorPos(&at);
  }
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0, owner, nullptr));
  PostMessageW(owner, WM_NULL, 0, 0);
  if (chosen == 0) return std::nullopt;
  return static_cast<std::size_t>(chosen - 1);
}

}  // namespace pipit::win32
