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

GdiObject messageFont() {
  const auto face = messageFace();
  return face ? GdiObject(CreateFontIndirectW(&*face)) : GdiObject();
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
