#pragma once
// The system clipboard, for the launcher and the companion programs alike.
#include <windows.h>

#include "platform/Clipboard.h"

namespace pipit::win32 {

class Win32Clipboard final : public Clipboard {
 public:
  // The window that holds the clipboard while it is open; none will do.
  explicit Win32Clipboard(HWND owner = nullptr) : owner_(owner) {}
  Text readText() override;
  bool writeText(const Text& text) override;

 private:
  HWND owner_;
};

}  // namespace pipit::win32
