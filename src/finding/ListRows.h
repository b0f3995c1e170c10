#pragma once
// The rows of the input box's drop-down list: the command words that match
// what was typed, then the programs that match, those used most first.
//
// A row shows its name alone; the list draws what it is beside it, and, for
// two programs of one name, where each lives. Choosing a row puts its name
// in the input box, and Enter is traced to the row chosen, not to the text:
// rowShown() says which row that is.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "base/Text.h"
#include "finding/ListKind.h"
#include "finding/NameFinder.h"

namespace pipit {

struct ListRow {
  ListKind kind = ListKind::CommandWord;
  std::size_t index = 0;  // into the command words, or into the programs
  // The word or the program's name, in the list listRows() was given: a
  // long list is laid out without a copy of each name.
  TextView name;
  bool sameName = false;  // a program whose name another program row shows too

  bool operator==(const ListRow&) const = default;
};

// A row's match, in the finder's order, with its use.
struct RowMatch {
  std::size_t index = 0;  // into the command words, or into the programs
  MatchQuality quality = MatchQuality::wholeName;
  double score = 0;  // UsageScores::scoreAt, at one time for the whole list
};

// Puts one group's matches, which came in the finder's order, in the
// list's: the row chosen before for this very text first, then better
// matches before worse ones, those used more first among matches of one
// quality, and table order for the rest. Use never lifts a match above a
// better one.
void orderMatches(std::vector<RowMatch>& matches, std::optional<std::size_t> chosenBefore);

// The command words' rows, then the best `programLimit` programs' rows,
// each group as ordered by orderMatches. A command word and a program of
// the same name both get a row. The rows refer to `words` and
// `programNames`, which must outlive them.
std::vector<ListRow> listRows(const std::vector<Text>& words,
                              const std::vector<RowMatch>& matchingWords,
                              const std::vector<Text>& programNames,
                              const std::vector<RowMatch>& matchingPrograms,
                              std::size_t programLimit = SIZE_MAX);

// The row behind the input box's text on Enter: the selected row while the
// box still holds its name, else a command word typed letter for letter,
// which takes the same road as its row; else none, and the text is typed
// text, also when it reads like a program's name.
const ListRow* rowShown(const std::vector<ListRow>& rows, std::optional<std::size_t> selected,
                        TextView boxText);

}  // namespace pipit
