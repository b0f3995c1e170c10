#pragma once
// The icons of the input box's rows, as the shell draws them, fetched on a
// thread of their own and kept per target and size: drawing a row never
// waits for one. A row whose icon is not there yet is drawn without it; a
// message to the box says when icons have come, so it draws them. The
// thread starts at the first icon asked for, so a launcher at rest has none.
#include <windows.h>

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

#include "base/Text.h"
#include "platform/win32/gui/GdiHandles.h"

namespace pipit::win32 {

class RowIcons {
 public:
  // `message` is posted to `window` when an icon asked for has come.
  RowIcons(HWND window, UINT message) : window_(window), message_(message) {}
  ~RowIcons();  // stops the thread and joins it
  RowIcons(const RowIcons&) = delete;
  RowIcons& operator=(const RowIcons&) = delete;

  struct Icon {
    bool ready = false;    // fetched, or given up on
    HICON icon = nullptr;  // none when the shell had none to give
  };
  // The icon of a row's target (a path, a shortcut, an app's address or a
  // web address) at `size` pixels; not ready the first time it is asked for.
  Icon icon(const Text& target, int size);

 private:
  using Key = std::pair<Text, int>;
  void run();

  HWND window_;
  UINT message_;
  std::mutex mutex_;
  std::condition_variable wanted_;
  std::deque<Key> queue_;
  std::map<Key, IconHandle> icons_;  // with a null handle once given up on
  bool stop_ = false;
  std::thread thread_;  // started at the first icon asked for
};

// The shell's icon for a row's target at `size` pixels; none for a "$"
// keyword, for nothing, and where the shell has none. A web address gets
// the icon of the program registered for its scheme. Needs COM.
IconHandle shellIconOf(const Text& target, int size);

}  // namespace pipit::win32
