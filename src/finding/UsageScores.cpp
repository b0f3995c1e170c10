#include "finding/UsageScores.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/Number.h"
#include "base/Path.h"

namespace pipit {
namespace {

constexpr int32_t kMilliPerUse = 1000;

int32_t minuteOf(int64_t utcSeconds) {
  // Floor, not truncation: a second before 1970 is in the minute before.
  const int64_t minute = utcSeconds / 60 - (utcSeconds % 60 < 0 ? 1 : 0);
  return static_cast<int32_t>(std::clamp<int64_t>(minute, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

}  // namespace

Text UsageScores::path() const {
  return appendPathSeparator(files_.programFolder()) + u"usage.txt";
}

void UsageScores::load() {
  entries_.clear();
  setAsideFirst_ = false;
  const auto bytes = files_.readAll(path());
  if (!bytes) {
    // A file that is there but cannot be read now may still hold a history.
    setAsideFirst_ = bytes.failure().number != Failure::fileNotFound().number;
    return;
  }
  UsageFileContent content = readUsageFile(bytes.value());
  setAsideFirst_ = !content.whole;
  // The file is written best first, so the first entries are the ones to
  // keep from a file grown too long by hand; the first of a duplicated key
  // likewise.
  for (UsageEntry& entry : content.entries) {
    if (entries_.size() == kMaxEntries) break;
    entries_.emplace(std::move(entry.key), Stored{entry.milliUses, entry.minute});
  }
  choices_.clear();
  for (UsageChoice& choice : content.choices) {
    if (choices_.size() == kMaxChoices) break;
    choices_.emplace(std::move(choice.typed), Choice{std::move(choice.row), choice.minute});
  }
}

const UsageKey* UsageScores::chosenFor(TextView typed) const {
  const auto it = choices_.find(typed);
  return it == choices_.end() ? nullptr : &it->second.row;
}

std::vector<UsageKey> UsageScores::keys() const {
  std::vector<UsageKey> keys;
  keys.reserve(entries_.size());
  for (const auto& entry : entries_) keys.push_back(entry.first);
  return keys;
}

std::vector<UsageChoice> UsageScores::latestChoices() {
  std::vector<UsageChoice> latest;
  latest.reserve(choices_.size());
  for (const auto& [typed, choice] : choices_) latest.push_back({typed, choice.row, choice.minute});
  std::stable_sort(latest.begin(), latest.end(),
                   [](const UsageChoice& a, const UsageChoice& b) { return a.minute > b.minute; });
  while (latest.size() > kMaxChoices) {
    choices_.erase(latest.back().typed);
    latest.pop_back();
  }
  return latest;
}

Status UsageScores::setAside() {
  constexpr TextView kLabel = u"UsageScores.setAside()";
  constexpr int kNames = 100;
  const Text folder = appendPathSeparator(files_.programFolder());
  const int32_t taken = Failure::fileAccess().number;
  Status moved = Failure::fileAccess();
  // A name taken fails with a file access error; any other failure would
  // fail again under the next name.
  for (int n = 1; n <= kNames && !moved && moved.failure().number == taken; ++n) {
    const Text name = u"usage-unreadable-" + decimalText(n) + u".txt";
    moved = files_.rename(path(), folder + name);
    if (moved && log_) log_(kLabel, u"usage.txt を読めなかったため " + name + u" として残しました");
  }
  // A file gone since it was read leaves nothing to keep.
  if (!moved && moved.failure().number == Failure::fileNotFound().number) return Status::success();
  if (!moved && log_) {
    log_(kLabel,
         u"usage.txt を読めず、別の名前にもできないため書き換えません:" + moved.failure().toText());
  }
  return moved;
}

Status UsageScores::countStart(const UsageKey& key, TextView typed) {
  const int32_t now = minuteOf(clock_.utcSeconds());
  if (!typed.empty()) {
    // A clock set back still makes this the latest choice.
    int32_t latest = now;
    for (const auto& [text, choice] : choices_) latest = std::max(latest, choice.minute);
    choices_.insert_or_assign(Text(typed), Choice{key, latest});
  }
  Stored& stored = entries_[key];
  const double milliUses = std::round(valueAt(stored, now) * kMilliPerUse) + kMilliPerUse;
  stored.milliUses =
      static_cast<int32_t>(std::min<double>(milliUses, std::numeric_limits<int32_t>::max()));
  stored.minute = now;

  std::vector<UsageEntry> kept = ranked(now);
  while (kept.size() > kMaxEntries) {
    // The start just counted stays even when it is the lowest, or nothing
    // new could ever enter a full history.
    auto last = std::prev(kept.end());
    if (last->key == key) --last;
    entries_.erase(last->key);
    kept.erase(last);
  }
  if (setAsideFirst_) {
    if (Status moved = setAside(); !moved) return moved;
    setAsideFirst_ = false;
  }
  return files_.replace(path(), writeUsageFile(kept, latestChoices()));
}

double UsageScores::scoreAt(const UsageKey& key, int64_t utcSeconds) const {
  const auto it = entries_.find(key);
  return it == entries_.end() ? 0.0 : valueAt(it->second, minuteOf(utcSeconds));
}

double UsageScores::valueAt(const Stored& stored, int32_t minute) {
  const int64_t passed = std::max<int64_t>(0, int64_t{minute} - stored.minute);
  return stored.milliUses / double{kMilliPerUse} *
         std::exp2(-static_cast<double>(passed) / static_cast<double>(kHalfLifeMinutes));
}

std::vector<UsageEntry> UsageScores::ranked(int32_t minute) const {
  std::vector<std::pair<double, UsageEntry>> scored;
  scored.reserve(entries_.size());
  for (const auto& [key, stored] : entries_) {
    scored.push_back({valueAt(stored, minute), UsageEntry{key, stored.milliUses, stored.minute}});
  }
  // Equal scores in key order (the map's): the file comes out the same for
  // the same history.
  std::stable_sort(scored.begin(), scored.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<UsageEntry> entries;
  entries.reserve(scored.size());
  for (auto& [value, entry] : scored) entries.push_back(std::move(entry));
  return entries;
}

}  // namespace pipit
