#pragma once
// The system's change notifications on the program folders, and an event
// that ends a wait on them from another thread.
#include <windows.h>

#include <vector>

#include "platform/InstalledPrograms.h"
#include "platform/win32/Handles.h"
#include "platform/win32/ProgramFolders.h"

namespace pipit::win32 {

struct ChangeNotificationTraits {
  static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
  static void close(HANDLE h) { FindCloseChangeNotification(h); }
};
using ChangeNotification = UniqueHandle<HANDLE, ChangeNotificationTraits>;

class Win32ProgramFolderWatch final : public ProgramFolderWatch {
 public:
  // Folders that do not exist or cannot be watched are left out; with none
  // left, a wait ends only at stop().
  explicit Win32ProgramFolderWatch(const std::vector<ProgramFolder>& folders);
  Wake wait(std::chrono::milliseconds timeout) override;
  void stop() override;

 private:
  ObjectHandle stopped_;  // manual reset: once set, every wait ends at once
  std::vector<ChangeNotification> changes_;
};

}  // namespace pipit::win32
