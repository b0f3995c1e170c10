#pragma once
// Scopes of the device contexts the windows draw and measure with: each
// gives its DC back, and puts back what it selected, on every way out.
#include <windows.h>

namespace pipit::win32 {

// A memory DC compatible with `like`, with `object` selected into it for
// the scope's lifetime.
class MemoryDC {
 public:
  MemoryDC(HDC like, HGDIOBJ object) : dc_(CreateCompatibleDC(like)) {
    if (dc_) old_ = SelectObject(dc_, object);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  ~MemoryDC() {
    if (!dc_) return;
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  HDC get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_ = nullptr;
};

// A window's DC, the screen's for a null window, with `font` (if any)
// selected for one measurement.
class WindowDC {
 public:
  explicit WindowDC(HWND window, HGDIOBJ font = nullptr) : window_(window), dc_(GetDC(window)) {
    if (dc_ && font) old_ = SelectObject(dc_, font);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  ~WindowDC() {
    if (!dc_) return;
    if (old_) SelectObject(dc_, old_);
    ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
  HGDIOBJ old_ = nullptr;
};

// The screen's DC for a measurement.
class ScreenDC : public WindowDC {
 public:
  ScreenDC() : WindowDC(nullptr) {}
};

// BeginPaint and EndPaint around one WM_PAINT.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { EndPaint(window_, &paint_); }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

}  // namespace pipit::win32
