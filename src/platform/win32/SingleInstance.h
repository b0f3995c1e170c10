#pragma once
// One launcher per install folder and session. A second start shows the
// running launcher, as the hot key does, and ends: two characters would
// fight over the hot key, and the last to close would overwrite the other's
// position in the same "config.txt".
#include <windows.h>

#include "base/Text.h"
#include "platform/win32/Handles.h"

namespace pipit::win32 {

class SingleInstance {
 public:
  explicit SingleInstance(const Text& programFolder);

  // False when a launcher of the same folder already runs.
  bool first() const { return first_; }
  // Tells later starts which window to bring back.
  void announce(HWND window);
  // Brings the running launcher's window back; nothing when it has none yet.
  void showRunning() const;

 private:
  struct Shared {
    UINT64 window;
    DWORD processId;
  };
  Shared* shared() const { return static_cast<Shared*>(view_.get()); }

  ObjectHandle mapping_;
  MappedView view_;
  bool first_ = true;
};

}  // namespace pipit::win32
