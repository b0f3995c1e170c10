#pragma once
// How much each command word and program of the input box's list is
// started, recent starts counting more: the list puts the programs used most
// first. Kept in "usage.txt" beside "config.txt" (see UsageFile.h).
//
// The rule: a start adds 1, and a score halves with every 30 days in which
// it gains nothing. An entry keeps its score as of the minute it last
// changed, so at a later minute t it is
//
//   score * 0.5 ^ ((t - minute) / (30 days))
//
// A clock set back counts as no time passed (no score grows by waiting),
// and the next start dates the entry by the clock as it is then. Scores are
// kept to a thousandth of a use, as the file holds them.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "base/Failure.h"
#include "finding/UsageFile.h"
#include "platform/Files.h"
#include "platform/WallClock.h"

namespace pipit {

class UsageScores {
 public:
  // The file is rewritten at every start, so it stays small: the entries
  // with the lowest scores go first.
  static constexpr std::size_t kMaxEntries = 1000;
  static constexpr std::size_t kMaxChoices = 1000;
  static constexpr int64_t kHalfLifeMinutes = int64_t{30} * 24 * 60;

  // Tells the log a line it keeps at every log level, under the label of
  // the function that tells it.
  using ForcedLogLine = std::function<void(TextView label, const Text& line)>;

  // `log` tells of a file set aside; without one nothing is told.
  UsageScores(Files& files, const WallClock& clock, ForcedLogLine log = {})
      : files_(files), clock_(clock), log_(std::move(log)) {}

  // "usage.txt" in the program's folder.
  Text path() const;

  // Reads the file, forgetting what was held. A missing file is an empty
  // history. Of a file that does not read whole (not there to read, damaged
  // lines, another encoding) the lines that read are held, and before the
  // next write the file is set aside under a new name, never overwritten:
  // a history is never worth a failure, nor worth losing.
  void load();

  // Counts one start and rewrites the file. When the write fails, or a file
  // that did not read whole cannot be set aside, the old file stays and the
  // count is still held here; the next start writes it. A row chosen from
  // the list for a typed text (folded) is also remembered for that text:
  // the latest choice for a text is the one that counts.
  Status countStart(const UsageKey& key, TextView typed = {});

  // The row last chosen for this typed text (folded), if any.
  const UsageKey* chosenFor(TextView typed) const;
  // Every key with a count.
  std::vector<UsageKey> keys() const;

  // 0 for a key never started. Use one time for every score of one list, so
  // that its order does not depend on when each was asked for.
  double scoreAt(const UsageKey& key, int64_t utcSeconds) const;
  double score(const UsageKey& key) const { return scoreAt(key, now()); }
  int64_t now() const { return clock_.utcSeconds(); }

 private:
  struct Stored {
    int32_t milliUses = 0;
    int32_t minute = 0;
  };
  static double valueAt(const Stored& stored, int32_t minute);
  // Every entry, highest score at `minute` first.
  std::vector<UsageEntry> ranked(int32_t minute) const;
  // Every choice, latest first; the oldest beyond kMaxChoices forgotten.
  std::vector<UsageChoice> latestChoices();
  Status setAside();

  Files& files_;
  const WallClock& clock_;
  ForcedLogLine log_;
  std::map<UsageKey, Stored> entries_;
  struct Choice {
    UsageKey row;
    int32_t minute = 0;
  };
  std::map<Text, Choice, std::less<>> choices_;
  bool setAsideFirst_ = false;  // the file did not read whole
};

}  // namespace pipit
