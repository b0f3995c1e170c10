#pragma once
#include "platform/Shell.h"

namespace pipit::win32 {

class Win32Shell final : public Shell {
 public:
  int64_t open(const Text& file, const Text& parameters, const Text& directory) override;
  Text schemeCommand(const Text& scheme) override;
  bool startCommandLine(const Text& commandLine) override;
  int64_t showInFolder(const Text& path) override;
  int64_t runAsAdministrator(const Text& file) override;
  // Runs COM on the calling thread for its duration.
  std::optional<ShortcutTarget> shortcutTarget(const Text& shortcut) override;
};

}  // namespace pipit::win32
