#pragma once
#include "platform/Shell.h"

namespace pipit::win32 {

class Win32Shell final : public Shell {
 public:
  int64_t open(const Text& file, const Text& parameters, const Text& directory) override;
  Text schemeCommand(const Text& scheme) override;
  bool startCommandLine(const Text& commandLine) override;
  // Runs COM on the calling thread for its duration.
  std::optional<ShortcutTarget> shortcutTarget(const Text& shortcut) override;
};

}  // namespace pipit::win32
