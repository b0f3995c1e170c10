#pragma once
#include <windows.h>

#include <functional>

#include "platform/EventPump.h"

namespace pipit::win32 {

class Win32EventPump final : public EventPump {
 public:
  // `navigate` gets every message first and answers whether it was a
  // keyboard navigation it handled (IsDialogMessageW of the open windows),
  // so Tab works in waits too, not only in the main loop.
  explicit Win32EventPump(std::function<bool(MSG&)> navigate = {})
      : navigate_(std::move(navigate)) {}

  void deliverPending() override;
  void waitForEvents(uint32_t milliseconds) override;
  // The main loop: delivers events until the quit message; its exit code.
  int run();

 private:
  void deliver(MSG& msg);

  std::function<bool(MSG&)> navigate_;
};

}  // namespace pipit::win32
