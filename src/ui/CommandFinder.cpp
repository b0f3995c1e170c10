#include "ui/CommandFinder.h"

#include <algorithm>
#include <numeric>

#include "ui/RomajiReading.h"
#include "ui/TextFolding.h"

namespace pipit {
namespace {

enum class Match { None, Inside, Start };

// What the word must hold for each way the typed text can be read: a
// syllable still being typed gives one needle for each kana it can become.
std::vector<Text> needlesFor(TextView typed) {
  const Text folded = foldForFinding(typed);
  std::vector<Text> needles{folded};
  for (const Reading& reading : romajiReadings(folded)) {
    if (reading.next.empty()) needles.push_back(reading.kana);
    for (const Text& next : reading.next) needles.push_back(reading.kana + next);
  }
  std::sort(needles.begin(), needles.end());
  needles.erase(std::unique(needles.begin(), needles.end()), needles.end());
  return needles;
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
  const std::vector<Text> needles = needlesFor(typed);
  std::vector<std::size_t> inside;
  for (std::size_t i = 0; i < folded_.size(); ++i) {
    Match match = Match::None;
    for (const Text& needle : needles) {
      const std::size_t at = folded_[i].find(needle);
      if (at == 0) {
        match = Match::Start;
        break;
      }
      if (at != Text::npos) match = Match::Inside;
    }
    if (match == Match::Start) found.push_back(i);
    if (match == Match::Inside) inside.push_back(i);
  }
  found.insert(found.end(), inside.begin(), inside.end());
  return found;
}

}  // namespace pipit
