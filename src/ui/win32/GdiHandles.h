#pragma once
// Owners of the GDI and user objects the windows create.
#include <windows.h>

#include "platform/win32/Handles.h"

namespace pipit::win32 {

struct IconHandleTraits {
  static HICON invalid() { return nullptr; }
  static void close(HICON h) { DestroyIcon(h); }
};
struct GdiObjectTraits {
  static HGDIOBJ invalid() { return nullptr; }
  static void close(HGDIOBJ h) { DeleteObject(h); }
};
struct MenuHandleTraits {
  static HMENU invalid() { return nullptr; }
  static void close(HMENU h) { DestroyMenu(h); }
};

using IconHandle = UniqueHandle<HICON, IconHandleTraits>;
using GdiObject = UniqueHandle<HGDIOBJ, GdiObjectTraits>;
using MenuHandle = UniqueHandle<HMENU, MenuHandleTraits>;

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

// The screen's DC for a measurement.
class ScreenDC {
 public:
  ScreenDC() : dc_(GetDC(nullptr)) {}
  ScreenDC(const ScreenDC&) = delete;
  ScreenDC& operator=(const ScreenDC&) = delete;
  ~ScreenDC() {
    if (dc_) ReleaseDC(nullptr, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

}  // namespace pipit::win32
