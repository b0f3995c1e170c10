#include "platform/win32/Win32InstalledPrograms.h"

#include <array>
#include <cwchar>
#include <utility>

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

Text inFolder(const Text& folder, const Text& name) {
  Text path;
  path.reserve(folder.size() + 1 + name.size());
  return path.append(folder).append(1, u'\\').append(name);
}

bool sameTime(const FILETIME& a, const FILETIME& b) {
  return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

constexpr std::size_t kExtensionLength = 4;  // ".lnk", ".url"

struct Shortcut {
  Text fileName;
  FILETIME written;
  uint64_t size;
  bool isLink;  // .lnk; else .url
};

// One folder's shortcuts and subfolders, from one listing.
struct Listing {
  std::vector<Shortcut> shortcuts;
  std::vector<Text> subfolders;
  FILETIME namesWritten{};  // desktop.ini's, zero when there is none
  bool hasNames = false;
};

Listing list(const Text& folder) {
  Listing listing;
  WIN32_FIND_DATAW found;
  const FindHandle search(FindFirstFileExW(wide(folder + u"\\*"), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr,
                                           FIND_FIRST_EX_LARGE_FETCH));
  if (!search) return listing;  // gone, or not ours to read
  do {
    Text name = fromWide(found.cFileName, std::wcslen(found.cFileName));
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      // A linked folder may lead back up the tree, or anywhere.
      if (name != u"." && name != u".." && !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
        listing.subfolders.push_back(std::move(name));
    } else if (equalNoCase(name, u"desktop.ini")) {
      listing.hasNames = true;
      listing.namesWritten = found.ftLastWriteTime;
    } else if (const bool link = hasExtension(name, u".lnk"); link || hasExtension(name, u".url")) {
      const uint64_t size = (uint64_t{found.nFileSizeHigh} << 32) | found.nFileSizeLow;
      listing.shortcuts.push_back({std::move(name), found.ftLastWriteTime, size, link});
    }
  } while (FindNextFileW(search.get(), &found));
  return listing;
}

// One scan: the folders listed, then the shortcuts read or recalled.
class Scan {
 public:
  Scan(const std::atomic<bool>& stop, std::unordered_map<Text, RememberedShortcut>& remembered)
      : stop_(stop), before_(std::exchange(remembered, {})), remembered_(remembered) {}

  void walk(const ProgramFolder& root) {
    std::vector<Text> pending{root.path};
    while (!pending.empty() && !stop_) {
      Text folder = std::move(pending.back());
      pending.pop_back();
      Listing listing = list(folder);
      if (root.withSubfolders) {
        for (const Text& name : listing.subfolders) pending.push_back(inFolder(folder, name));
      }
      for (const Shortcut& shortcut : listing.shortcuts) {
        if (!recall(inFolder(folder, shortcut.fileName), shortcut, listing.namesWritten)) ++unread_;
      }
      listed_.push_back({std::move(folder), std::move(listing)});
      if (!root.withSubfolders) break;
    }
  }

  // What the listings name, when some shortcut has not been read before.
  std::optional<std::vector<InstalledProgram>> preview() const {
    if (unread_ == 0) return std::nullopt;
    std::vector<InstalledProgram> programs;
    for (const auto& [folder, listing] : listed_) {
      for (const Shortcut& shortcut : listing.shortcuts) {
        Text path = inFolder(folder, shortcut.fileName);
        const auto known = before_.find(path);
        // What the last scan left out stays out of the first list; the scan
        // itself asks about its target again.
        if (known != before_.end() && known->second.gone) continue;
        Text name = known != before_.end()
                        ? known->second.name
                        : shortcut.fileName.substr(0, shortcut.fileName.size() - kExtensionLength);
        programs.push_back({std::move(name), std::move(path)});
      }
    }
    return programs;
  }

  std::vector<InstalledProgram>& read() {
    for (const auto& [folder, listing] : listed_) addShortcuts(folder, listing);
    return found_;
  }

 private:
  struct Listed {
    Text folder;
    Listing listing;
  };

  void addShortcuts(const Text& folder, const Listing& listing) {
    std::optional<ShellNames> shellNames;  // bound at the first name it is asked for
    for (const Shortcut& shortcut : listing.shortcuts) {
      if (stop_) return;
      Text path = inFolder(folder, shortcut.fileName);
      std::optional<RememberedShortcut> entry = recall(path, shortcut, listing.namesWritten);
      if (!entry) entry = read(folder, path, shortcut, listing, shellNames);
      const bool gone = entry->broken || targetGone(entry->targetPath);
      entry->gone = gone;
      Text name = gone ? Text() : entry->name;
      remembered_.insert_or_assign(path, std::move(*entry));
      if (!gone) found_.push_back({std::move(name), std::move(path)});
    }
  }

  std::optional<RememberedShortcut> recall(const Text& path, const Shortcut& shortcut,
                                           const FILETIME& namesWritten) const {
    const auto it = before_.find(path);
    if (it == before_.end()) return std::nullopt;
    const RememberedShortcut& known = it->second;
    const bool same = sameTime(known.written, shortcut.written) && known.size == shortcut.size &&
                      sameTime(known.namesWritten, namesWritten);
    if (!same) return std::nullopt;
    return known;
  }

  RememberedShortcut read(const Text& folder, const Text& path, const Shortcut& shortcut,
                          const Listing& listing, std::optional<ShellNames>& shellNames) {
    RememberedShortcut entry{shortcut.written, shortcut.size, listing.namesWritten, {}, {}};
    if (shortcut.isLink) {
      std::optional<Text> target = reader_.targetPath(path, shortcut.size);
      // Not a shortcut the shell could open either; remembered as such, so
      // that the next scan does not read it again.
      if (!target) {
        entry.broken = true;
        return entry;
      }
      entry.targetPath = std::move(*target);
      if (targetGone(entry.targetPath)) {
        std::optional<Text> named = reader_.itemListTarget();
        if (named && !targetGone(*named)) entry.targetPath = std::move(*named);
      }
    } else if (!reader_.internetAddress(path, shortcut.size)) {
      entry.broken = true;
      return entry;
    }
    const Text stem = shortcut.fileName.substr(0, shortcut.fileName.size() - kExtensionLength);
    if (listing.hasNames) {
      if (!shellNames) shellNames.emplace(folder);
      entry.name = shellNames->displayName(shortcut.fileName);
      // The shell shows the extension where the user asked it to.
      if (entry.name == shortcut.fileName) entry.name = stem;
    }
    if (entry.name.empty()) entry.name = stem;
    return entry;
  }

  // Only a local path that the system says is not there: a network target
  // may be only out of reach for now, and asking about it can take long.
  bool targetGone(const Text& path) {
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

  const std::atomic<bool>& stop_;
  std::vector<Listed> listed_;
  std::size_t unread_ = 0;  // shortcuts no earlier scan read as they are now
  const std::unordered_map<Text, RememberedShortcut> before_;
  std::unordered_map<Text, RememberedShortcut>& remembered_;  // what this scan saw
  ShortcutReader reader_;
  std::array<UINT, 26> driveTypes_{};  // DRIVE_UNKNOWN (0) until asked
  std::vector<InstalledProgram> found_;
};

}  // namespace

std::vector<InstalledProgram> Win32InstalledPrograms::scan(const std::atomic<bool>& stop,
                                                           const Preview& preview) const {
  const std::lock_guard lock(scanning_);
  const ComApartment apartment;  // the link object, the shell's names, the Apps folder
  const QuietDriveErrors quiet;
  std::vector<InstalledProgram> found;
  {
    Scan scan(stop, remembered_);
    for (const ProgramFolder& folder : folders()) scan.walk(folder);
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
