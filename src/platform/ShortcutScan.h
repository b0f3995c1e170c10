#pragma once
// One scan of the program folders' shortcuts (see
// win32/Win32InstalledPrograms.h for what is listed and why): the folders
// are listed first, then each shortcut is read, or recalled from the scan
// before when its file has not changed. The system's side is a
// ShortcutFiles.
#include <atomic>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "base/Text.h"
#include "platform/InstalledPrograms.h"
#include "platform/ShortcutFiles.h"

namespace pipit {

// What a scan found in one shortcut, kept for the next scan.
struct RememberedShortcut {
  uint64_t written = 0;
  uint64_t size = 0;
  uint64_t namesWritten = 0;  // its folder's desktop.ini's; 0 when there is none
  Text name;
  Text targetPath;      // a .lnk's target, empty when it has none or is a .url;
                        // the program's file, from the item list where that names
                        // what the stored path lost
  bool broken = false;  // no shortcut the shell could open: never listed
  bool gone = false;    // its target path was not there at that scan
};

// By the shortcut's full path.
using RememberedShortcuts = std::unordered_map<Text, RememberedShortcut>;

class ShortcutScan {
 public:
  // Takes what `remembered` holds as the scan before's, and leaves in it
  // what this scan sees.
  ShortcutScan(ShortcutFiles& files, const std::atomic<bool>& stop,
               RememberedShortcuts& remembered);

  // Lists `root`, and below it when `withSubfolders`.
  void walk(const Text& root, bool withSubfolders);
  // What the listings name, when some shortcut has not been read before:
  // each under the name and with the file the scan before read, else under
  // its file name alone.
  std::optional<std::vector<InstalledProgram>> preview() const;
  // Every shortcut listed that the shell could open and whose target is
  // there, read or recalled.
  std::vector<InstalledProgram>& read();

 private:
  struct Listed {
    Text folder;
    ShortcutListing listing;
  };

  void addShortcuts(const Text& folder, const ShortcutListing& listing);
  std::optional<RememberedShortcut> recall(const Text& path, const ListedShortcut& shortcut,
                                           uint64_t namesWritten) const;
  RememberedShortcut readShortcut(const Text& folder, const Text& path,
                                  const ListedShortcut& shortcut, const ShortcutListing& listing);

  ShortcutFiles& files_;
  const std::atomic<bool>& stop_;
  std::vector<Listed> listed_;
  std::size_t unread_ = 0;  // shortcuts no earlier scan read as they are now
  const RememberedShortcuts before_;
  RememberedShortcuts& remembered_;  // what this scan saw
  std::vector<InstalledProgram> found_;
};

}  // namespace pipit
