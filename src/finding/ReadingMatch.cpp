#include "finding/ReadingMatch.h"

#include <algorithm>

namespace pipit {
namespace {

// More would be text no one types: the choices multiply only at a spelling
// still being typed and at the rare "nn".
constexpr std::size_t kMostSpellings = 64;
// Longer typed text starts no name's reading: none is read that long.
constexpr std::size_t kLongestSpelling = 256;

std::vector<Text> spellingsOf(const Reading& reading) {
  std::vector<Text> spelled{Text()};
  for (const std::vector<Text>& stretch : reading) {
    if (spelled.front().size() > kLongestSpelling) return {};
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

std::uint64_t readingFirsts(const Reading& reading) {
  std::uint64_t bits = 0;
  for (const std::vector<Text>& stretch : reading) {
    for (const Text& kana : stretch) {
      if (!kana.empty()) bits |= charBit(kana.front());
    }
  }
  return bits;
}

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
  for (const Text& spelled : spelled_) {
    if (!spelled.empty()) spelledFirst_ |= charBit(spelled.front());
  }
  if (typed_.size() == 1 && std::all_of(typed_.front().begin(), typed_.front().end(),
                                        [](const Text& kana) { return kana.size() == 1; })) {
    for (const Text& kana : typed_.front()) singles_ += kana;
  }
  // What every choice of a stretch holds, the text needs.
  for (const std::vector<Text>& stretch : typed_) {
    std::uint64_t all = ~std::uint64_t{0};
    for (const Text& kana : stretch) all &= charBits(kana);
    if (!stretch.empty()) neededChars_ |= all;
  }
}

ReadingMatch::At ReadingMatch::at(TextView text, std::size_t from) {
  // Most names fail at their first character: every choice of the first
  // stretch begins with one of firstChars_.
  if (from >= text.size() || (charBit(text[from]) & firstChars_) == 0) return At::no;
  if (!singles_.empty()) {
    // One character of a few: a letter or kana just typed.
    const char16_t c = text[from];
    if (singles_.find(c) == Text::npos) return At::no;
    const bool ends = from + 1 == text.size() && (!unfinished_ || c == u'ン');
    return ends ? At::whole : At::yes;
  }
  if (typed_.size() == 1) {
    // One stretch, the usual case of a short text: its choices one by one,
    // the longest reach deciding whether it ends the text.
    bool yes = false, whole = false;
    for (const Text& kana : typed_.front()) {
      if (text.compare(from, kana.size(), kana) != 0) continue;
      yes = true;
      whole = whole || (from + kana.size() == text.size() &&
                        (!unfinished_ || (!kana.empty() && kana.back() == u'ン')));
    }
    return whole ? At::whole : yes ? At::yes : At::no;
  }
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

bool ReadingMatch::startsReading(const Reading& name) const {
  for (std::size_t at = 0; at < name.size(); ++at) {
    bool mayStart = false;
    for (const Text& kana : name[at])
      mayStart = mayStart || (!kana.empty() && (charBit(kana.front()) & spelledFirst_) != 0);
    if (!mayStart) continue;
    for (const Text& spelled : spelled_) {
      if (readsFrom(name, at, spelled)) return true;
    }
  }
  return false;
}

}  // namespace pipit
