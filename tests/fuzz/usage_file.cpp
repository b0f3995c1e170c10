// The usage file: any bytes. What reads writes back as a file that reads the
// same, and a start counted on it at any time stays in range.
#include <cstdint>

#include "FuzzSupport.h"
#include "fakes/FakePorts.h"
#include "finding/UsageScores.h"

using namespace pipit;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  fakes::FakeFiles files;
  fakes::FakeWallClock clock;
  UsageScores scores(files, clock);
  const auto read = readUsageFile(files.content[scores.path()] = fuzz::bytesOf(data, size));
  const auto& entries = read.entries;
  const auto again = readUsageFile(writeUsageFile(entries, read.choices));
  PIPIT_FUZZ_CHECK(again.entries == entries && again.choices == read.choices, Text());
  scores.load();
  const UsageKey key = entries.empty() ? UsageKey{} : entries.front().key;
  for (const int64_t seconds : {INT64_MIN, INT64_MAX}) {
    clock.seconds = seconds;
    PIPIT_FUZZ_CHECK(scores.countStart(key).ok() && scores.score(key) >= 0.999, key.name);
  }
  return 0;
}
