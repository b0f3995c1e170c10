#pragma once
// Layouts are kept in twips, 1/1440 inch, or in pixels at 96 dots per inch,
// and shown at the resolution of the window's own screen: the program is
// aware of every monitor's scale, so Windows never stretches its windows.
#include <windows.h>

namespace pipit::win32 {

struct Dpi {
  int x = 96;
  int y = 96;
};

// Sent when a window's scale changes: moved to a monitor of another scale,
// or the user changed the scale. wParam holds the new dpi, lParam points to
// the rectangle Windows suggests for the window.
constexpr UINT kDpiChangedMessage = 0x02E0;

// The system's scale, fixed for the logon session: stored positions are
// converted with it, so that they mean the same whichever screen she is on.
Dpi screenDpi();
// The scale of the monitor the window is on; the system's where Windows
// cannot tell per window.
Dpi windowDpi(HWND window);
// Moves and sizes the window to the rectangle of a scale change.
void takeSuggestedRect(HWND window, LPARAM suggested);

class Twips {
 public:
  explicit Twips(Dpi dpi = screenDpi()) : dpi_(dpi) {}
  int x(int twips) const { return MulDiv(twips, dpi_.x, 1440); }
  int y(int twips) const { return MulDiv(twips, dpi_.y, 1440); }
  Dpi dpi() const { return dpi_; }

 private:
  Dpi dpi_;
};

}  // namespace pipit::win32
