#pragma once
// What shortcut (.lnk) files point at, as the shell's link object reads
// them, without resolving: no search for a moved target and no window.
// One object reads many files; it needs COM on its thread for its lifetime.
#include <windows.h>

#include <shobjidl.h>

#include <cstdint>
#include <optional>
#include <string>

#include "base/CodePage.h"
#include "base/Text.h"
#include "platform/ShortcutTarget.h"
#include "platform/win32/ComPtr.h"

namespace pipit::win32 {

// The file-system path of a loaded link's item list; nothing when it has
// none. Wine keeps a link's path in the ANSI code page, so that a target
// outside it reads back as another name ("Cafe.exe" for "Café.exe"), while
// the item list keeps every character: where the path names nothing, this
// is the one to ask.
std::optional<Text> itemListPath(IShellLinkW& link);

// One shortcut file's target, arguments and working folder, variables left
// as they stand; nothing when it is no shortcut or names no path. Runs COM
// on the calling thread for its duration.
std::optional<ShortcutTarget> readShortcut(const Text& file);

class ShortcutReader {
 public:
  ShortcutReader();
  // The target's file-system path; empty when the shortcut has none (an
  // installer's advertised shortcut, a shell folder, a control panel item);
  // nothing when the file cannot be read or is no shortcut. `size` is the
  // file's size as its folder listed it.
  std::optional<Text> targetPath(const Text& file, uint64_t size);
  // The path the item list of the shortcut read last names: see
  // itemListPath().
  std::optional<Text> itemListTarget() { return itemListPath(*link_.get()); }
  // The address an Internet shortcut (.url) opens; nothing when it has none
  // the shell could open (see internetShortcutAddress()).
  std::optional<Text> internetAddress(const Text& file, uint64_t size);

 private:
  bool readBytes(const Text& file, uint64_t size);

  CodePage ansi_ = CodePage::system();
  ComPtr<IShellLinkW> link_;
  ComPtr<IPersistStream> persist_;
  std::string bytes_;  // reused from file to file
  std::wstring path_;  // likewise
};

}  // namespace pipit::win32
