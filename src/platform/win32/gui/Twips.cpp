#include "platform/win32/gui/Twips.h"

#include "platform/win32/gui/DeviceContexts.h"

namespace pipit::win32 {

Dpi screenDpi() {
  Dpi dpi;
  const ScreenDC screen;
  if (!screen.get()) return dpi;
  if (const int x = GetDeviceCaps(screen.get(), LOGPIXELSX); x > 0) dpi.x = x;
  if (const int y = GetDeviceCaps(screen.get(), LOGPIXELSY); y > 0) dpi.y = y;
  return dpi;
}

Dpi windowDpi(HWND window) {
  // Looked up rather than linked: Windows before 10 has no per-window scale,
  // and there the system's is the window's.
  using DpiForWindow = UINT(WINAPI*)(HWND);
  static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (dpiForWindow && window) {
    if (const UINT dpi = dpiForWindow(window); dpi > 0) {
      return {static_cast<int>(dpi), static_cast<int>(dpi)};
    }
  }
  return screenDpi();
}

void takeSuggestedRect(HWND window, LPARAM suggested) {
  const auto* rect = reinterpret_cast<const RECT*>(suggested);
  if (!rect) return;
  SetWindowPos(window, nullptr, rect->left, rect->top, rect->right - rect->left,
               rect->bottom - rect->top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace pipit::win32
