#pragma once
// What a scan of the program folders asks the system (ShortcutScan.h): the
// folders' listings, what each shortcut file holds, and whether a target is
// there. One object serves one scan, on one thread.
#include <cstdint>
#include <optional>
#include <vector>

#include "base/Text.h"

namespace pipit {

// A shortcut file as its folder's listing shows it.
struct ListedShortcut {
  Text fileName;         // with its extension, ".lnk" or ".url"
  uint64_t written = 0;  // its write time, in the system's count
  uint64_t size = 0;
  bool isLink = false;  // .lnk; else .url
};

// One folder's shortcuts and subfolders, from one listing.
struct ShortcutListing {
  std::vector<ListedShortcut> shortcuts;
  std::vector<Text> subfolders;  // their names; none that leads elsewhere
  uint64_t namesWritten = 0;     // its desktop.ini's write time; 0 without one
  bool hasNames = false;         // it has a desktop.ini
};

class ShortcutFiles {
 public:
  virtual ~ShortcutFiles() = default;
  // Empty for a folder that is gone or not ours to read.
  virtual ShortcutListing list(const Text& folder) = 0;
  // A .lnk's target path; empty when it has none (the shell opens it some
  // other way); nothing when the file is no shortcut.
  virtual std::optional<Text> linkTarget(const Text& file, uint64_t size) = 0;
  // The path the item list of the .lnk read last names, where it has one:
  // it may keep characters its target path lost.
  virtual std::optional<Text> itemListTarget() = 0;
  // Whether a .url holds an address the shell could open.
  virtual bool hasInternetAddress(const Text& file, uint64_t size) = 0;
  // The shell's name for a file of a folder with a desktop.ini; empty when
  // the shell has none.
  virtual Text shellName(const Text& folder, const Text& fileName) = 0;
  // Whether the system says a target path is not there; false where it
  // cannot tell or asking would take long.
  virtual bool targetGone(const Text& path) = 0;
};

}  // namespace pipit
