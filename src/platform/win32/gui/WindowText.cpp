#include "platform/win32/gui/WindowText.h"

#include <algorithm>
#include <vector>

#include "platform/win32/Handles.h"

namespace pipit::win32 {

Text windowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
  // The text may have shrunk since its length was asked.
  const int copied = GetWindowTextW(window, buffer.data(), length + 1);
  return fromWide(buffer.data(), static_cast<std::size_t>(std::max(copied, 0)));
}

}  // namespace pipit::win32
