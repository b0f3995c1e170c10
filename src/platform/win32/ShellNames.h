#pragma once
// The names the shell shows for the files of one folder: a desktop.ini there
// may give them localised names ("メモ帳" for notepad.lnk), which the file
// name does not have. Needs COM on its thread for its lifetime.
#include <windows.h>

#include <shobjidl.h>

#include "base/Text.h"
#include "platform/win32/ComPtr.h"

namespace pipit::win32 {

class ShellNames {
 public:
  explicit ShellNames(const Text& folder);
  // The shell's name for the file `fileName` of the folder; empty when the
  // shell has none for it.
  Text displayName(const Text& fileName) const;

 private:
  ComPtr<IShellFolder> folder_;
};

}  // namespace pipit::win32
