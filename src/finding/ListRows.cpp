#include "finding/ListRows.h"

#include <algorithm>
#include <map>

namespace pipit {
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
  // Two programs of one name in the list are told apart where it draws them.
  std::map<TextView, int> shown;
  for (std::size_t i = 0; i < programs; ++i) ++shown[programNames[matchingPrograms[i].index]];
  for (std::size_t i = 0; i < programs; ++i) {
    const std::size_t index = matchingPrograms[i].index;
    rows.push_back({ListKind::Program, index, programNames[index], shown[programNames[index]] > 1});
  }
  return rows;
}

const ListRow* rowShown(const std::vector<ListRow>& rows, std::optional<std::size_t> selected,
                        TextView boxText) {
  // Only the selection tells apart a command word that happens to read like
  // a program's row from that program.
  if (selected && *selected < rows.size() && rows[*selected].name == boxText) {
    return &rows[*selected];
  }
  const auto it = std::find_if(rows.begin(), rows.end(), [&](const ListRow& row) {
    return row.kind == ListKind::CommandWord && row.name == boxText;
  });
  return it == rows.end() ? nullptr : &*it;
}

}  // namespace pipit
