#pragma once
#include "platform/Dialogs.h"

namespace pipit::win32 {

class Win32Dialogs final : public Dialogs {
 public:
  explicit Win32Dialogs(Text programTitle) : programTitle_(std::move(programTitle)) {}
  MessageAnswer messageBox(const Text& prompt, const Text& title, MessageButtons buttons,
                           MessageIcon icon) override;

 private:
  Text programTitle_;
};

}  // namespace pipit::win32
