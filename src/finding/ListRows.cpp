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

Text ListRow::text() const {
  return kind == ListKind::Program ? programRowText(name, sameNameBefore) : Text(name);
}

void orderMatches(std::vector<RowMatch>& matches, std::optional<std::size_t> chosenBefore) {
  const auto used = [](const RowMatch& m) { return m.score > 0; };
  const auto moreUsed = [](const RowMatch& a, const RowMatch& b) { return a.score > b.score; };
  // The finder gives each quality in table order: only the few rows ever
  // used move, within their quality, so a long list is not sorted whole.
  for (auto begin = matches.begin(); begin != matches.end();) {
    const auto end = std::find_if(begin, matches.end(),
                                  [&](const RowMatch& m) { return m.quality != begin->quality; });
    const auto usedEnd = std::stable_partition(begin, end, used);
    std::stable_sort(begin, usedEnd, moreUsed);
    begin = end;
  }
  if (!chosenBefore) return;
  const auto chosen = std::find_if(matches.begin(), matches.end(),
                                   [&](const RowMatch& m) { return m.index == *chosenBefore; });
  if (chosen != matches.end()) std::rotate(matches.begin(), chosen, chosen + 1);
}

std::vector<ListRow> listRows(const std::vector<Text>& words,
                              const std::vector<RowMatch>& matchingWords,
                              const std::vector<Text>& programNames,
                              const std::vector<RowMatch>& matchingPrograms,
                              std::size_t programLimit) {
  const std::size_t programs = std::min(programLimit, matchingPrograms.size());
  std::vector<ListRow> rows;
  rows.reserve(matchingWords.size() + programs);
  for (const RowMatch& word : matchingWords) {
    rows.push_back({ListKind::CommandWord, word.index, words[word.index]});
  }
  // Numbered in list order, so the mark tells apart what the list holds now.
  std::map<TextView, int64_t> seen;
  for (std::size_t i = 0; i < programs; ++i) {
    const std::size_t index = matchingPrograms[i].index;
    const int64_t before = seen[programNames[index]]++;
    rows.push_back({ListKind::Program, index, programNames[index], before});
  }
  return rows;
}

const ListRow* rowShown(const std::vector<ListRow>& rows, std::optional<std::size_t> selected,
                        TextView boxText) {
  // Only the selection tells apart a command word that happens to read like
  // a program's row from that program.
  const auto shows = [&](const ListRow& row) {
    // Only a row whose name begins the box's text can show it.
    return startsWith(boxText, row.name) && row.text() == boxText;
  };
  if (selected && *selected < rows.size() && shows(rows[*selected])) return &rows[*selected];
  const auto it = std::find_if(rows.begin(), rows.end(), shows);
  return it == rows.end() ? nullptr : &*it;
}

}  // namespace pipit
