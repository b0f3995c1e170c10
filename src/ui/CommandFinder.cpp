#include "ui/CommandFinder.h"

#include <algorithm>
#include <numeric>

#include "ui/RomajiReading.h"
#include "ui/TextFolding.h"

namespace pipit {
namespace {

enum class Match { None, Inside, Start };

// Where in the word the reading appears, if anywhere.
Match matchOf(TextView word, const Reading& reading) {
  Match best = Match::None;
  for (std::size_t at = word.find(reading.kana); at != TextView::npos;
       at = word.find(reading.kana, at + 1)) {
    bool fits = reading.next.empty();
    const TextView after = word.substr(at + reading.kana.size());
    for (const Text& next : reading.next) fits = fits || startsWith(after, next);
    if (!fits) continue;
    if (at == 0) return Match::Start;
    best = Match::Inside;
  }
  return best;
}

}  // namespace

void CommandFinder::setWords(std::vector<Text> words) {
  words_ = std::move(words);
  folded_.clear();
  folded_.reserve(words_.size());
  for (const Text& word : words_) folded_.push_back(foldForFinding(word));
}

std::vector<std::size_t> CommandFinder::find(TextView typed) const {
  std::vector<std::size_t> found;
  if (typed.empty()) {
    found.resize(words_.size());
    std::iota(found.begin(), found.end(), std::size_t{0});
    return found;
  }
  const Text folded = foldForFinding(typed);
  std::vector<Reading> readings{{folded, {}}};
  for (Reading& reading : romajiReadings(folded)) readings.push_back(std::move(reading));

  std::vector<std::size_t> inside;
  for (std::size_t i = 0; i < folded_.size(); ++i) {
    Match match = Match::None;
    for (const Reading& reading : readings) {
      match = std::max(match, matchOf(folded_[i], reading));
      if (match == Match::Start) break;
    }
    if (match == Match::Start) found.push_back(i);
    if (match == Match::Inside) inside.push_back(i);
  }
  found.insert(found.end(), inside.begin(), inside.end());
  return found;
}

}  // namespace pipit
