#pragma once
// The rows of the input box's drop-down list: the command words that match
// what was typed, then the programs that match, those used most first.
//
// A program's row shows its name and the mark " 〈プログラム〉" (numbered,
// " 〈プログラム 2〉", for a second program of the same name in the list), so
// the user sees what the row starts and two same-named programs read apart.
// The list box puts a chosen row's text in the input box: on Enter that text
// is no typed command, and rowShown() says which row it came from.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "base/Text.h"
#include "finding/ListKind.h"

namespace pipit {

struct ListRow {
  ListKind kind = ListKind::CommandWord;
  std::size_t index = 0;  // into the command words, or into the programs
  Text text;              // as the list shows it

  bool operator==(const ListRow&) const = default;
};

struct ProgramMatch {
  std::size_t index = 0;  // into the programs
  Text name;
  double score = 0;  // UsageScores::scoreAt, at one time for the whole list
};

// `matchingWords` index `words` in the order NameFinder::find gives; the
// programs come in their finder's order, which breaks ties of score, and the
// best `programLimit` of them get rows. A command word and a program of the
// same name both get a row.
std::vector<ListRow> listRows(const std::vector<Text>& words,
                              const std::vector<std::size_t>& matchingWords,
                              std::vector<ProgramMatch> matchingPrograms,
                              std::size_t programLimit = SIZE_MAX);

// The row behind the input box's text on Enter: the selected row while the
// box still holds its text, else the first row that shows exactly that text
// (a command word before a program), else none and the text is typed text.
const ListRow* rowShown(const std::vector<ListRow>& rows, std::optional<std::size_t> selected,
                        TextView boxText);

}  // namespace pipit
