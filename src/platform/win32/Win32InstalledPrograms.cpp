#include "platform/win32/Win32InstalledPrograms.h"

#include <array>
#include <cwchar>
#include <utility>

#include "platform/ShortcutScan.h"
#include "platform/win32/ComApartment.h"
#include "platform/win32/Handles.h"
#include "platform/win32/PackagedApps.h"
#include "platform/win32/ShellNames.h"
#include "platform/win32/ShortcutReader.h"
#include "platform/win32/Win32ProgramFolderWatch.h"

namespace pipit::win32 {
namespace {

struct FindTraits {
  static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
  static void close(HANDLE h) { FindClose(h); }
};
using FindHandle = UniqueHandle<HANDLE, FindTraits>;

// No "insert a disk" box for a target on an empty drive while a scan runs.
class QuietDriveErrors {
 public:
  QuietDriveErrors() { SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previous_); }
  ~QuietDriveErrors() { SetThreadErrorMode(previous_, nullptr); }
  QuietDriveErrors(const QuietDriveErrors&) = delete;
  QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;

 private:
  DWORD previous_ = 0;
};

bool equalNoCase(TextView a, TextView b) {
  return a.size() == b.size() &&
         CompareStringOrdinal(reinterpret_cast<const wchar_t*>(a.data()),
                              static_cast<int>(a.size()),
                              reinterpret_cast<const wchar_t*>(b.data()),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}
bool hasExtension(TextView name, TextView extension) {
  return name.size() > extension.size() &&
         equalNoCase(name.substr(name.size() - extension.size()), extension);
}

uint64_t count(const FILETIME& time) {
  return (uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

// The system's side of one scan: the listings, the link object, the shell's
// names and the targets.
class Win32ShortcutFiles final : public ShortcutFiles {
 public:
  ShortcutListing list(const Text& folder) override {
    ShortcutListing listing;
    WIN32_FIND_DATAW found;
    const FindHandle search(FindFirstFileExW(wide(folder + u"\\*"), FindExInfoBasic, &found,
                                             FindExSearchNameMatch, nullptr,
                                             FIND_FIRST_EX_LARGE_FETCH));
    if (!search) return listing;  // gone, or not ours to read
    do {
      Text name = fromWide(found.cFileName, std::wcslen(found.cFileName));
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        // A linked folder may lead back up the tree, or anywhere.
        if (name != u"." && name != u".." &&
            !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
          listing.subfolders.push_back(std::move(name));
      } else if (equalNoCase(name, u"desktop.ini")) {
        listing.hasNames = true;
        listing.namesWritten = count(found.ftLastWriteTime);
      } else if (const bool link = hasExtension(name, u".lnk");
                 link || hasExtension(name, u".url")) {
        const uint64_t size = (uint64_t{found.nFileSizeHigh} << 32) | found.nFileSizeLow;
        listing.shortcuts.push_back({std::move(name), count(found.ftLastWriteTime), size, link});
      }
    } while (FindNextFileW(search.get(), &found));
    return listing;
  }

  std::optional<Text> linkTarget(const Text& file, uint64_t size) override {
    return reader_.targetPath(file, size);
  }
  std::optional<Text> itemListTarget() override { return reader_.itemListTarget(); }
  bool hasInternetAddress(const Text& file, uint64_t size) override {
    return reader_.internetAddress(file, size).has_value();
  }

  Text shellName(const Text& folder, const Text& fileName) override {
    // Bound at the first name asked for in a folder, kept while names of
    // that folder are asked for.
    if (!shellNames_ || namesFolder_ != folder) {
      shellNames_.emplace(folder);
      namesFolder_ = folder;
    }
    return shellNames_->displayName(fileName);
  }

  // Only a local path that the system says is not there: a network target
  // may be only out of reach for now, and asking about it can take long.
  bool targetGone(const Text& path) override {
    if (path.size() < 3 || path[1] != u':' || path[2] != u'\\') return false;
    const char16_t letter = path[0] | 0x20;
    if (letter < u'a' || letter > u'z') return false;
    UINT& type = driveTypes_[letter - u'a'];
    if (type == DRIVE_UNKNOWN) type = GetDriveTypeW(wide(path.substr(0, 3)));
    if (type == DRIVE_REMOTE) return false;
    if (GetFileAttributesW(wide(path)) != INVALID_FILE_ATTRIBUTES) return false;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
  }

 private:
  ShortcutReader reader_;
  Text namesFolder_;
  std::optional<ShellNames> shellNames_;
  std::array<UINT, 26> driveTypes_{};  // DRIVE_UNKNOWN (0) until asked
};

}  // namespace

std::vector<InstalledProgram> Win32InstalledPrograms::scan(const std::atomic<bool>& stop,
                                                           const Preview& preview) const {
  const std::lock_guard lock(scanning_);
  const ComApartment apartment;  // the link object, the shell's names, the Apps folder
  const QuietDriveErrors quiet;
  std::vector<InstalledProgram> found;
  {
    Win32ShortcutFiles files;
    ShortcutScan scan(files, stop, remembered_);
    for (const ProgramFolder& folder : folders()) scan.walk(folder.path, folder.withSubfolders);
    if (preview && !stop) {
      if (std::optional<std::vector<InstalledProgram>> first = scan.preview()) {
        removeDuplicates(*first);
        preview(std::move(*first));
      }
    }
    found = std::move(scan.read());
  }
  if (!folders_) addPackagedApps(found, stop);
  removeDuplicates(found);
  return found;
}

std::unique_ptr<ProgramFolderWatch> Win32InstalledPrograms::watch() const {
  return std::make_unique<Win32ProgramFolderWatch>(folders());
}

std::vector<ProgramFolder> Win32InstalledPrograms::folders() const {
  return folders_ ? *folders_ : knownProgramFolders();
}

}  // namespace pipit::win32
