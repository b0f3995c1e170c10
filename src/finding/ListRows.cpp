#include "finding/ListRows.h"

#include <algorithm>
#include <map>

#include "base/Number.h"

namespace pipit {
namespace {

// Full-width brackets: every Japanese font has them, and a name rarely ends
// with them.
Text programRowText(TextView name, int64_t sameNameBefore) {
  Text text(name);
  text += u" 〈プログラム";
  if (sameNameBefore > 0) text += u' ' + decimalText(sameNameBefore + 1);
  text += u'〉';
  return text;
}

}  // namespace

std::vector<ListRow> listRows(const std::vector<Text>& words,
                              const std::vector<std::size_t>& matchingWords,
                              std::vector<ProgramMatch> matchingPrograms,
                              std::size_t programLimit) {
  std::vector<ListRow> rows;
  rows.reserve(matchingWords.size() + matchingPrograms.size());
  for (const std::size_t i : matchingWords) rows.push_back({ListKind::CommandWord, i, words[i]});

  std::stable_sort(matchingPrograms.begin(), matchingPrograms.end(),
                   [](const ProgramMatch& a, const ProgramMatch& b) { return a.score > b.score; });
  if (matchingPrograms.size() > programLimit) matchingPrograms.resize(programLimit);
  // Numbered in list order, so the mark tells apart what the list holds now.
  std::map<TextView, int64_t> seen;
  for (const ProgramMatch& program : matchingPrograms) {
    const int64_t before = seen[program.name]++;
    rows.push_back({ListKind::Program, program.index, programRowText(program.name, before)});
  }
  return rows;
}

const ListRow* rowShown(const std::vector<ListRow>& rows, std::optional<std::size_t> selected,
                        TextView boxText) {
  // Only the selection tells apart a command word that happens to read like
  // a program's row from that program.
  if (selected && *selected < rows.size() && rows[*selected].text == boxText) {
    return &rows[*selected];
  }
  const auto it = std::find_if(rows.begin(), rows.end(),
                               [&](const ListRow& row) { return row.text == boxText; });
  return it == rows.end() ? nullptr : &*it;
}

}  // namespace pipit
