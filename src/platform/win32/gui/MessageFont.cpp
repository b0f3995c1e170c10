#include "platform/win32/gui/MessageFont.h"

#include <optional>

namespace pipit::win32 {
namespace {

std::optional<LOGFONTW> messageFace() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    return std::nullopt;
  }
  return metrics.lfMessageFont;
}

}  // namespace

GdiObject messageFont(Dpi dpi) {
  auto face = messageFace();
  if (!face) return {};
  // The system gives the size at its own scale; a window on a monitor of
  // another scale wants it at that one.
  face->lfHeight = MulDiv(face->lfHeight, dpi.y, screenDpi().y);
  return GdiObject(CreateFontIndirectW(&*face));
}

GdiObject messageFont(int points, int dpiY) {
  auto face = messageFace();
  if (!face) return {};
  face->lfHeight = -MulDiv(points, dpiY, 72);
  face->lfWidth = 0;
  return GdiObject(CreateFontIndirectW(&*face));
}

void setFont(HWND control, const GdiObject& font) {
  if (control && font)
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
}

}  // namespace pipit::win32
