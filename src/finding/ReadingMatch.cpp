#include "finding/ReadingMatch.h"

#include <algorithm>

namespace pipit {
namespace {

// More would be text no one types: the choices multiply only at a spelling
// still being typed and at the rare "nn".
constexpr std::size_t kMostSpellings = 64;

std::vector<Text> spellingsOf(const Reading& reading) {
  std::vector<Text> spelled{Text()};
  for (const std::vector<Text>& stretch : reading) {
    std::vector<Text> longer;
    for (const Text& start : spelled) {
      for (const Text& kana : stretch) {
        if (longer.size() == kMostSpellings) break;
        longer.push_back(start + kana);
      }
    }
    spelled = std::move(longer);
  }
  return spelled;
}

// Whether `rest` reads from stretch `at` of a name's reading on.
bool readsFrom(const Reading& name, std::size_t at, TextView rest) {
  if (rest.empty()) return true;
  if (at == name.size()) return false;
  for (const Text& kana : name[at]) {
    if (startsWith(kana, rest)) return true;
    if (startsWith(rest, kana) && !kana.empty() &&
        readsFrom(name, at + 1, rest.substr(kana.size()))) {
      return true;
    }
  }
  return false;
}

}  // namespace

std::uint64_t charBits(TextView text) {
  std::uint64_t bits = 0;
  for (const char16_t c : text) bits |= charBit(c);
  return bits;
}

ReadingMatch::ReadingMatch(Reading typed, bool unfinished)
    : typed_(std::move(typed)), spelled_(spellingsOf(typed_)), unfinished_(unfinished) {
  if (!typed_.empty()) {
    for (const Text& kana : typed_.front()) {
      if (!kana.empty()) firstChars_ |= charBit(kana.front());
    }
  }
}

ReadingMatch::At ReadingMatch::at(TextView text, std::size_t from) {
  reached_.assign(1, from);
  bool whole = false;
  for (std::size_t s = 0; s < typed_.size(); ++s) {
    const bool last = s + 1 == typed_.size();
    further_.clear();
    for (const std::size_t start : reached_) {
      for (const Text& kana : typed_[s]) {
        if (text.compare(start, kana.size(), kana) != 0) continue;
        further_.push_back(start + kana.size());
        // A syllable still being typed is not yet the name's last.
        whole = whole || (last && further_.back() == text.size() &&
                          (!unfinished_ || (!kana.empty() && kana.back() == u'ン')));
      }
    }
    if (further_.empty()) return At::no;
    std::sort(further_.begin(), further_.end());
    further_.erase(std::unique(further_.begin(), further_.end()), further_.end());
    std::swap(reached_, further_);
  }
  if (typed_.empty()) return from == text.size() ? At::whole : At::yes;
  return whole ? At::whole : At::yes;
}

bool ReadingMatch::anywhere(TextView text) {
  if (typed_.empty()) return true;
  // Only where one of the first stretch's choices begins.
  for (std::size_t from = 0; from < text.size(); ++from) {
    if ((charBit(text[from]) & firstChars_) == 0) continue;
    if (at(text, from) != At::no) return true;
  }
  return false;
}

bool ReadingMatch::startsReading(const Reading& name) const {
  for (std::size_t at = 0; at < name.size(); ++at) {
    for (const Text& spelled : spelled_) {
      if (readsFrom(name, at, spelled)) return true;
    }
  }
  return false;
}

}  // namespace pipit
