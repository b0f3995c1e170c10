#pragma once
// Whether another program's captions show whole, measured in the font its
// window asks for. Wine makes every program aware of every monitor's scale,
// so a test measures in real pixels.
#include <windows.h>

#include <string>
#include <vector>

#include "base/Text.h"
#include "platform/win32/gui/GdiHandles.h"

namespace pipit::wintest {

// The message face for a window at `dpi`, at `points` or else the user's size.
inline win32::GdiObject messageFace(int dpi, int points = 0) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  LOGFONTW& face = metrics.lfMessageFont;
  face.lfHeight = points ? -MulDiv(points, dpi, 72) : MulDiv(face.lfHeight, dpi, 96);
  return win32::GdiObject(CreateFontIndirectW(&face));
}

// Each visible static's, push button's and check box's caption wider than its
// control, less a push button's edges or a check box's box.
inline std::vector<std::string> clippedCaptions(HWND window, int dpi,
                                                const win32::GdiObject& font) {
  std::vector<std::string> clipped;
  HDC dc = GetDC(nullptr);
  const HGDIOBJ was = SelectObject(dc, font.get());
  for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    wchar_t kind[16] = {};
    wchar_t text[256] = {};
    GetClassNameW(c, kind, 16);
    const int length = GetWindowTextW(c, text, 256);
    const LONG type = GetWindowLongW(c, GWL_STYLE) & BS_TYPEMASK;
    const bool button = lstrcmpiW(kind, L"Button") == 0;
    if (!IsWindowVisible(c) || (button ? type == BS_GROUPBOX : lstrcmpiW(kind, L"Static") != 0))
      continue;
    RECT room{};
    RECT extent{};
    GetClientRect(c, &room);
    const int box =
        type == BS_PUSHBUTTON ? 2 * GetSystemMetrics(SM_CXEDGE) : GetSystemMetrics(SM_CXMENUCHECK);
    if (button) room.right -= MulDiv(box, dpi, 96);
    DrawTextW(dc, text, length, &extent, DT_CALCRECT | DT_SINGLELINE);
    if (extent.right > room.right) clipped.push_back(toUtf8(win32::fromWide(text, length)));
  }
  SelectObject(dc, was);
  ReleaseDC(nullptr, dc);
  return clipped;
}

}  // namespace pipit::wintest
