#include "platform/win32/Win32EventPump.h"

namespace pipit::win32 {

void Win32EventPump::deliver(MSG& msg) {
  if (navigate_ && navigate_(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void Win32EventPump::deliverPending() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Leave the quit request for the main loop to see.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    deliver(msg);
  }
}

void Win32EventPump::waitForEvents(uint32_t milliseconds) {
  MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

int Win32EventPump::run() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) deliver(msg);
  return static_cast<int>(msg.wParam);
}

}  // namespace pipit::win32
