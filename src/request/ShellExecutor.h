#pragma once
// The one place that starts anything: the shell's open call, or a new browser
// window for web addresses when the settings ask for one.
#include <optional>

#include "core/Logger.h"
#include "platform/Browser.h"
#include "platform/Files.h"
#include "platform/Shell.h"
#include "request/ExecutionRequest.h"
#include "request/ExecutionResponse.h"
#include "request/LauncherCore.h"

namespace pipit {

class ShellExecutor {
 public:
  // What a new browser window counts as: it has no shell number of its own.
  static constexpr int64_t kNewWindowResult = 100;

  ShellExecutor(Logger& logger, LauncherCore& core, const Files& files, Shell& shell,
                Browser& browser);

  // The request's path is replaced by its expanded form when the shell call
  // is used.
  ExecutionResponse execute(ExecutionRequest& request);
  // "@" at the start stands for the "extention\" folder beside the program.
  Text restoreExtentionDirectory(const Text& path);

 private:
  // Nothing when the request is longer than any road takes.
  std::optional<int64_t> openThroughShell(ExecutionRequest& request);
  // The shortcut's target, or `refused` again.
  int64_t openShortcutTarget(const ExecutionRequest& request, int64_t refused);

  Logger& logger_;
  LauncherCore& core_;
  const Files& files_;
  Shell& shell_;
  Browser& browser_;
};

// "http://" or "https://" at the start, exactly as written.
bool isWebAddress(TextView path);

}  // namespace pipit
