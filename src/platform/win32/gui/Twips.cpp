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

}  // namespace pipit::win32
