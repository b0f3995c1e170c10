#pragma once
#include "platform/Process.h"

namespace pipit::win32 {

class Win32Process final : public Process {
 public:
  [[noreturn]] void exitNow(int code) override;
};

}  // namespace pipit::win32
