#include "finding/NameFinder.h"

#include <algorithm>
#include <numeric>

#include "finding/RomajiReading.h"
#include "finding/TextFolding.h"

namespace pipit {
namespace {

enum class Match { None, Inside, Start };

// Looks for one reading in word after word. The places in a word that the
// stretches read so far can have reached are kept as a set, so a reading
// with many choices costs no more than its length times the word's. The
// buffers live as long as the search, as a keystroke searches every word.
class ReadingSearch {
 public:
  explicit ReadingSearch(Reading reading) : reading_(std::move(reading)) {}

  // Where the reading first appears in the word, or npos.
  std::size_t in(const Text& word) {
    const std::vector<Text>& first = reading_.front();
    if (reading_.size() == 1) {
      std::size_t earliest = TextView::npos;
      for (const Text& kana : first) earliest = std::min(earliest, word.find(kana));
      return earliest;
    }
    firstAt_.clear();
    for (const Text& kana : first) firstAt_.push_back(word.find(kana));
    for (;;) {
      const std::size_t at = *std::min_element(firstAt_.begin(), firstAt_.end());
      if (at == TextView::npos) return at;
      reached_.clear();
      for (std::size_t i = 0; i < first.size(); ++i) {
        if (firstAt_[i] != at) continue;
        reached_.push_back(at + first[i].size());
        firstAt_[i] = word.find(first[i], at + 1);
      }
      if (readsOn(word)) return at;
    }
  }

 private:
  // Whether the stretches after the first follow on from a place reached.
  bool readsOn(const Text& word) {
    for (std::size_t part = 1; part < reading_.size() && !reached_.empty(); ++part) {
      further_.clear();
      for (const std::size_t from : reached_) {
        for (const Text& kana : reading_[part]) {
          if (word.compare(from, kana.size(), kana) == 0) further_.push_back(from + kana.size());
        }
      }
      std::sort(further_.begin(), further_.end());
      further_.erase(std::unique(further_.begin(), further_.end()), further_.end());
      std::swap(reached_, further_);
    }
    return !reached_.empty();
  }

  Reading reading_;
  std::vector<std::size_t> firstAt_, reached_, further_;
};

// The ways the typed text is looked for: as typed, and read as romaji.
std::vector<ReadingSearch> searchesFor(TextView typed) {
  Text folded = foldForFinding(typed);
  Reading romaji = romajiReading(folded);
  std::vector<ReadingSearch> searches;
  searches.emplace_back(Reading{{std::move(folded)}});
  if (!romaji.empty()) searches.emplace_back(std::move(romaji));
  return searches;
}

}  // namespace

void NameFinder::setWords(std::vector<Text> words) {
  words_ = std::move(words);
  folded_.clear();
  folded_.reserve(words_.size());
  for (const Text& word : words_) folded_.push_back(foldForFinding(word));
}

std::vector<std::size_t> NameFinder::find(TextView typed) const {
  std::vector<std::size_t> found;
  if (typed.empty()) {
    found.resize(words_.size());
    std::iota(found.begin(), found.end(), std::size_t{0});
    return found;
  }
  std::vector<ReadingSearch> searches = searchesFor(typed);
  std::vector<std::size_t> inside;
  for (std::size_t i = 0; i < folded_.size(); ++i) {
    Match match = Match::None;
    for (ReadingSearch& search : searches) {
      const std::size_t at = search.in(folded_[i]);
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
