// transweb: translation of the clipboard text in the language pair the user
// picks.
#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>

#include "extensions/common/win32/Win32WebPorts.h"
#include "extensions/transweb/win32/TranslationWindow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  using namespace pipit;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  try {
    ext::win32::Win32WebPorts web(u"transweb");
    ext::win32::TranslationWindow window(instance, web.ports());
    if (!window.create(showCommand)) return 1;
    window.runMessageLoop();
  } catch (const std::exception&) {
    return 1;
  }
  return 0;
}
