#include "platform/ShortcutScan.h"

#include <utility>

namespace pipit {
namespace {

constexpr std::size_t kExtensionLength = 4;  // ".lnk", ".url"

Text stemOf(const ListedShortcut& shortcut) {
  return shortcut.fileName.substr(0, shortcut.fileName.size() - kExtensionLength);
}

Text inFolder(const Text& folder, const Text& name) {
  Text path;
  path.reserve(folder.size() + 1 + name.size());
  return path.append(folder).append(1, u'\\').append(name);
}

}  // namespace

ShortcutScan::ShortcutScan(ShortcutFiles& files, const std::atomic<bool>& stop,
                           RememberedShortcuts& remembered)
    : files_(files), stop_(stop), before_(std::exchange(remembered, {})), remembered_(remembered) {}

void ShortcutScan::walk(const Text& root, bool withSubfolders) {
  std::vector<Text> pending{root};
  while (!pending.empty() && !stop_) {
    Text folder = std::move(pending.back());
    pending.pop_back();
    ShortcutListing listing = files_.list(folder);
    if (withSubfolders) {
      for (const Text& name : listing.subfolders) pending.push_back(inFolder(folder, name));
    }
    for (const ListedShortcut& shortcut : listing.shortcuts) {
      if (!recall(inFolder(folder, shortcut.fileName), shortcut, listing.namesWritten)) ++unread_;
    }
    listed_.push_back({std::move(folder), std::move(listing)});
    if (!withSubfolders) break;
  }
}

std::optional<std::vector<InstalledProgram>> ShortcutScan::preview() const {
  if (unread_ == 0) return std::nullopt;
  std::vector<InstalledProgram> programs;
  for (const auto& [folder, listing] : listed_) {
    for (const ListedShortcut& shortcut : listing.shortcuts) {
      Text path = inFolder(folder, shortcut.fileName);
      const auto known = before_.find(path);
      // What the last scan left out stays out of the first list; the scan
      // itself asks about its target again.
      if (known != before_.end() && known->second.gone) continue;
      if (known == before_.end()) {
        programs.push_back({stemOf(shortcut), std::move(path)});
      } else {
        programs.push_back({known->second.name, std::move(path), known->second.targetPath});
      }
    }
  }
  return programs;
}

std::vector<InstalledProgram>& ShortcutScan::read() {
  for (const auto& [folder, listing] : listed_) addShortcuts(folder, listing);
  return found_;
}

void ShortcutScan::addShortcuts(const Text& folder, const ShortcutListing& listing) {
  for (const ListedShortcut& shortcut : listing.shortcuts) {
    if (stop_) return;
    Text path = inFolder(folder, shortcut.fileName);
    std::optional<RememberedShortcut> entry = recall(path, shortcut, listing.namesWritten);
    if (!entry) entry = readShortcut(folder, path, shortcut, listing);
    const bool gone = entry->broken || files_.targetGone(entry->targetPath);
    entry->gone = gone;
    if (!gone) found_.push_back({entry->name, path, entry->targetPath});
    remembered_.insert_or_assign(std::move(path), std::move(*entry));
  }
}

std::optional<RememberedShortcut> ShortcutScan::recall(const Text& path,
                                                       const ListedShortcut& shortcut,
                                                       uint64_t namesWritten) const {
  const auto it = before_.find(path);
  if (it == before_.end()) return std::nullopt;
  const RememberedShortcut& known = it->second;
  const bool same = known.written == shortcut.written && known.size == shortcut.size &&
                    known.namesWritten == namesWritten;
  if (!same) return std::nullopt;
  return known;
}

RememberedShortcut ShortcutScan::readShortcut(const Text& folder, const Text& path,
                                              const ListedShortcut& shortcut,
                                              const ShortcutListing& listing) {
  RememberedShortcut entry{shortcut.written, shortcut.size, listing.namesWritten, {}, {}};
  if (shortcut.isLink) {
    std::optional<Text> target = files_.linkTarget(path, shortcut.size);
    // Not a shortcut the shell could open either; remembered as such, so
    // that the next scan does not read it again.
    if (!target) {
      entry.broken = true;
      return entry;
    }
    entry.targetPath = std::move(*target);
    if (files_.targetGone(entry.targetPath)) {
      std::optional<Text> named = files_.itemListTarget();
      if (named && !files_.targetGone(*named)) entry.targetPath = std::move(*named);
    }
  } else if (!files_.hasInternetAddress(path, shortcut.size)) {
    entry.broken = true;
    return entry;
  }
  const Text stem = stemOf(shortcut);
  if (listing.hasNames) {
    entry.name = files_.shellName(folder, shortcut.fileName);
    // The shell shows the extension where the user asked it to.
    if (entry.name == shortcut.fileName) entry.name = stem;
  }
  if (entry.name.empty()) entry.name = stem;
  return entry;
}

}  // namespace pipit
