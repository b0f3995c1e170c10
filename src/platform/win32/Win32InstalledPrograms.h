#pragma once
// Installed programs as the shell lists them: the shortcuts (.lnk, .url) in
// the program folders (ProgramFolders.h) and the packaged apps.
//
// A shortcut is listed under the shell's name for it, which is its file name
// without the extension unless its folder has a desktop.ini: only then is the
// shell asked, as asking costs more than reading the shortcut (about 0.6 ms a
// file under Wine). A .lnk whose target is a file-system path that no longer
// exists is left out; one without a path is kept, as the shell opens it some
// other way. A .url is left out unless it holds an address the shell could
// open (internetShortcutAddress()). What each shortcut said is remembered by
// its write time and size (and its folder's desktop.ini's), so a rescan
// after a change reads only the shortcuts that changed; whether the targets
// exist is asked every time.
#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/InstalledPrograms.h"
#include "platform/ShortcutScan.h"
#include "platform/win32/ProgramFolders.h"

namespace pipit::win32 {

class Win32InstalledPrograms final : public InstalledPrograms {
 public:
  // The known program folders, looked up at each scan and watch, and the
  // packaged apps.
  Win32InstalledPrograms() = default;
  // These folders only, and no packaged apps: for tests and measurements.
  explicit Win32InstalledPrograms(std::vector<ProgramFolder> folders)
      : folders_(std::move(folders)) {}

  using InstalledPrograms::scan;
  // Runs COM on the calling thread for its duration. Scans may come from
  // any thread; they take turns.
  std::vector<InstalledProgram> scan(const std::atomic<bool>& stop,
                                     const Preview& preview) const override;
  std::unique_ptr<ProgramFolderWatch> watch() const override;

 private:
  std::vector<ProgramFolder> folders() const;

  std::optional<std::vector<ProgramFolder>> folders_;
  mutable std::mutex scanning_;
  mutable RememberedShortcuts remembered_;
};

}  // namespace pipit::win32
