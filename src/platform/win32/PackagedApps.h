#pragma once
// The packaged apps of the shell's Apps folder, opened as
// "shell:AppsFolder\<app id>". Needs COM on the calling thread.
#include <atomic>
#include <vector>

#include "platform/InstalledPrograms.h"

namespace pipit::win32 {

// Adds them to `found`; adds nothing where the system has no Apps folder
// (before Windows 8, and under Wine). Gives up once `stop` is set.
void addPackagedApps(std::vector<InstalledProgram>& found, const std::atomic<bool>& stop);

}  // namespace pipit::win32
