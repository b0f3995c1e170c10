#pragma once
#include "platform/Browser.h"

namespace pipit::win32 {

// Drives the browser automation object by late binding, as a script would.
class Win32Browser final : public Browser {
 public:
  bool openNewWindow(const Text& address) override;
};

}  // namespace pipit::win32
