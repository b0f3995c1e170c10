#pragma once
#include "platform/Clipboard.h"

namespace pipit::win32 {

class Win32Clipboard final : public Clipboard {
 public:
  Text readText() override;
  bool writeText(const Text& text) override;
};

}  // namespace pipit::win32
