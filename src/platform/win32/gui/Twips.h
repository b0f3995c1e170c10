#pragma once
// Layouts are kept in twips, 1/1440 inch, and shown at the resolution the
// screen reports, 96 dots per inch when it reports none.
#include <windows.h>

namespace pipit::win32 {

struct Dpi {
  int x = 96;
  int y = 96;
};

Dpi screenDpi();

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
