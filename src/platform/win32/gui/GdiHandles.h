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

}  // namespace pipit::win32
