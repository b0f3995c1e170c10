#pragma once
#include <windows.h>

#include <functional>
#include <mutex>
#include <vector>

#include "platform/EventPump.h"
#include "platform/win32/Handles.h"

namespace pipit::win32 {

class Win32EventPump final : public EventPump {
 public:
  // `navigate` gets every message first and answers whether it was a
  // keyboard navigation it handled (IsDialogMessageW of the open windows),
  // so Tab works in waits too, not only in the main loop. Made on the
  // thread whose events it delivers.
  explicit Win32EventPump(std::function<bool(MSG&)> navigate = {});
  ~Win32EventPump() override;
  Win32EventPump(const Win32EventPump&) = delete;
  Win32EventPump& operator=(const Win32EventPump&) = delete;

  void deliverPending() override;
  void waitForEvents(uint32_t milliseconds) override;
  void post(std::function<void()> work) override;
  // The main loop: delivers events until the quit message; its exit code.
  int run();

 private:
  static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  void deliver(MSG& msg);
  void runPosted();

  std::function<bool(MSG&)> navigate_;
  std::mutex postedMutex_;  // between the posting threads and this one
  std::vector<std::function<void()>> posted_;
  // Posted work is announced to a window, not to the thread: the modal
  // loops of boxes, menus and dialogs drop thread messages.
  WindowHandle window_;
};

}  // namespace pipit::win32
