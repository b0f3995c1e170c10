#include "platform/win32/Win32ProgramFolderWatch.h"

#include <algorithm>
#include <cstdint>

namespace pipit::win32 {

Win32ProgramFolderWatch::Win32ProgramFolderWatch(const std::vector<ProgramFolder>& folders)
    : stopped_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  // New, removed and renamed shortcuts and folders, and shortcuts or
  // desktop.ini files written over in place. The stop event takes one of the
  // wait's slots.
  constexpr DWORD kWhat =
      FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE;
  for (const ProgramFolder& folder : folders) {
    if (changes_.size() + 1 == MAXIMUM_WAIT_OBJECTS) break;
    ChangeNotification change(
        FindFirstChangeNotificationW(wide(folder.path), folder.withSubfolders, kWhat));
    if (change) changes_.push_back(std::move(change));
  }
}

ProgramFolderWatch::Wake Win32ProgramFolderWatch::wait(std::chrono::milliseconds timeout) {
  std::vector<HANDLE> handles{stopped_.get()};  // first, so a stop wins over changes
  for (const ChangeNotification& change : changes_) handles.push_back(change.get());
  const DWORD milliseconds =
      timeout == kForever
          ? INFINITE
          : static_cast<DWORD>(std::clamp<int64_t>(timeout.count(), 0, INFINITE - 1));
  const DWORD woken = WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(),
                                             FALSE, milliseconds);
  if (woken == WAIT_TIMEOUT) return Wake::quiet;
  const DWORD index = woken - WAIT_OBJECT_0;
  if (index == 0 || index >= handles.size()) {
    // Stopped, or the wait itself failed: trying again would only spin.
    return Wake::stopped;
  }
  // A folder that was removed signals for good and cannot be armed again;
  // it is watched no more.
  if (!FindNextChangeNotification(handles[index])) {
    changes_.erase(changes_.begin() + static_cast<std::ptrdiff_t>(index - 1));
  }
  return Wake::changed;
}

void Win32ProgramFolderWatch::stop() { SetEvent(stopped_.get()); }

}  // namespace pipit::win32
