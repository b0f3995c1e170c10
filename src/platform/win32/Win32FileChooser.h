#pragma once
#include "platform/FileChooser.h"

namespace pipit::win32 {

// The open-file dialog of Windows, owned by the window that is active when it
// is asked for, so that it stays in front of the window that asked.
class Win32FileChooser final : public FileChooser {
 public:
  std::optional<Text> chooseFile(const Text& initialName) override;
};

}  // namespace pipit::win32
