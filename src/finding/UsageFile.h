#pragma once
// "usage.txt" beside "config.txt": how often and how lately each command
// word and program was started from the input box's list.
//
// UTF-8 with a byte order mark (names may hold any character; an editor
// may leave the mark out), CR LF line ends, one entry a line, five
// TAB-separated fields:
//
//   kind     "command" or "program"
//   name     the command word or the program's name
//   target   the program's target; empty for a command word
//   score    thousandths of a use, as of the minute below (1 use = 1000)
//   minute   when the score was last brought up to date, in minutes since
//            1970-01-01 00:00 UTC
//
// A row chosen from the list for a typed text has a line of six fields:
//
//   "chosen"
//   typed    the text the list was narrowed for, folded (foldForFinding)
//   kind     of the row chosen, as above
//   name     of the row chosen
//   target   of the row chosen
//   minute   when it was chosen
//
// In the typed text, the name and the target "\" is written "\\", TAB "\t", CR "\r", LF "\n",
// and a lone surrogate "\uXXXX" (four hex digits): no name can split a line
// or a field, and every UTF-16 name reads back as it was.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/Text.h"
#include "finding/ListKind.h"

namespace pipit {

// Two programs of the same name are told apart by their targets.
struct UsageKey {
  ListKind kind = ListKind::CommandWord;
  Text name;
  Text target;  // empty for a command word

  auto operator<=>(const UsageKey&) const = default;
};

struct UsageEntry {
  UsageKey key;
  int32_t milliUses = 0;  // never negative
  int32_t minute = 0;

  bool operator==(const UsageEntry&) const = default;
};

// The row to put first when the same text is typed again.
struct UsageChoice {
  Text typed;  // folded
  UsageKey row;
  int32_t minute = 0;

  bool operator==(const UsageChoice&) const = default;
};

struct UsageFileContent {
  std::vector<UsageEntry> entries;
  std::vector<UsageChoice> choices;
  // Every line but empty ones was an entry. A line that is not, in another
  // encoding or another shape, is nothing a later write could keep.
  bool whole = true;
};

// The entries in file order. A line that does not read whole, in UTF-8, is
// left out. A key met twice (only a hand-edited file has that) comes back
// twice; the reader decides which counts.
UsageFileContent readUsageFile(std::string_view bytes);

std::string writeUsageFile(const std::vector<UsageEntry>& entries,
                           const std::vector<UsageChoice>& choices = {});

}  // namespace pipit
