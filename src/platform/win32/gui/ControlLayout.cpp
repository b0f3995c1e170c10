#include "platform/win32/gui/ControlLayout.h"

#include "platform/CaptionRoom.h"
#include "platform/win32/gui/DeviceContexts.h"
#include "platform/win32/gui/MessageFont.h"
#include "platform/win32/gui/WindowText.h"

namespace pipit::win32 {
namespace {

// A system measure at a window's scale. Looked up rather than linked, as
// GetDpiForWindow is: before Windows 10 the system's scale is every window's.
int systemMetric(int index, Dpi dpi) {
  using MetricForDpi = int(WINAPI*)(int, UINT);
  static const auto metricForDpi = reinterpret_cast<MetricForDpi>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetSystemMetricsForDpi")));
  if (metricForDpi) return metricForDpi(index, static_cast<UINT>(dpi.x));
  return MulDiv(GetSystemMetrics(index), dpi.x, screenDpi().x);
}

bool isClass(HWND control, const wchar_t* name) {
  wchar_t kind[16] = {};
  return GetClassNameW(control, kind, 16) > 0 && lstrcmpiW(kind, name) == 0;
}

bool isGroupBox(HWND control) {
  return isClass(control, L"Button") &&
         (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

}  // namespace

int captionWidth(HWND control, HGDIOBJ font, Dpi dpi) {
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  UINT format = DT_CALCRECT | DT_SINGLELINE;
  int around = 0;
  if (isClass(control, L"Static")) {
    const LONG type = style & SS_TYPEMASK;
    if (type > SS_RIGHT && type != SS_SIMPLE && type != SS_LEFTNOWORDWRAP) return 0;
    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
  } else if (isClass(control, L"Button")) {
    switch (style & BS_TYPEMASK) {
      case BS_PUSHBUTTON:
      case BS_DEFPUSHBUTTON:
        // Its raised edge, and as much again between the edge and the text,
        // on either side.
        around = 4 * systemMetric(SM_CXEDGE, dpi);
        break;
      case BS_CHECKBOX:
      case BS_AUTOCHECKBOX:
      case BS_3STATE:
      case BS_AUTO3STATE:
      case BS_RADIOBUTTON:
      case BS_AUTORADIOBUTTON:
        around = systemMetric(SM_CXMENUCHECK, dpi) + systemMetric(SM_CXEDGE, dpi);
        break;
      default:
        return 0;
    }
  } else {
    return 0;
  }
  const Text text = windowText(control);
  if (text.empty()) return 0;
  const WindowDC dc(control, font);
  RECT extent{};
  if (!dc.get() ||
      !DrawTextW(dc.get(), wide(text), static_cast<int>(text.size()), &extent, format)) {
    return 0;
  }
  return extent.right - extent.left + around;
}

void placeControls(const std::vector<ControlPlace>& places, const GdiObject& font, Dpi dpi,
                   int clientWidth, int inset) {
  std::vector<PlacedControl> room;
  room.reserve(places.size());
  for (const ControlPlace& place : places) {
    setFont(place.control, font);
    room.push_back(
        {place.rect, captionWidth(place.control, font.get(), dpi), isGroupBox(place.control)});
  }
  makeRoomForCaptions(room, clientWidth, inset);
  for (std::size_t i = 0; i < places.size(); ++i) {
    const PixelRect& at = room[i].rect;
    SetWindowPos(places[i].control, nullptr, at.left, at.top, at.width,
                 at.height + places[i].dropHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // Shown as they are now, in the new font.
  for (const ControlPlace& place : places) InvalidateRect(place.control, nullptr, TRUE);
}

SIZE frameSize(HWND window, int width, int height) {
  // At the window's own scale: during a change of scale Windows already
  // draws the frame at the new one.
  using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi = reinterpret_cast<AdjustForDpi>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
  const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
  RECT frame{0, 0, width, height};
  if (!adjustForDpi ||
      !adjustForDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(windowDpi(window).x))) {
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  }
  return {frame.right - frame.left, frame.bottom - frame.top};
}

void setClientSize(HWND window, int width, int height) {
  const SIZE frame = frameSize(window, width, height);
  SetWindowPos(window, nullptr, 0, 0, frame.cx, frame.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace pipit::win32
