#pragma once
// What shortcut (.lnk) files point at, as the shell's link object reads
// them, without resolving: no search for a moved target and no window.
// One object reads many files; it needs COM on its thread for its lifetime.
#include <windows.h>

#include <shobjidl.h>

#include <cstdint>
#include <optional>
#include <string>

#include "base/Text.h"
#include "platform/win32/ComPtr.h"

namespace pipit::win32 {

class ShortcutReader {
 public:
  ShortcutReader();
  // The target's file-system path; empty when the shortcut has none (an
  // installer's advertised shortcut, a shell folder, a control panel item);
  // nothing when the file cannot be read or is no shortcut. `size` is the
  // file's size as its folder listed it.
  std::optional<Text> targetPath(const Text& file, uint64_t size);

 private:
  ComPtr<IShellLinkW> link_;
  ComPtr<IPersistStream> persist_;
  std::string bytes_;  // reused from file to file
  std::wstring path_;  // likewise
};

}  // namespace pipit::win32
