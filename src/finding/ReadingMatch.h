#pragma once
// One way of reading typed text, matched against folded names: the text as
// typed, or its romaji read as kana (see RomajiReading.h). A reading is a
// row of stretches, each with its choices; a name matches where the
// stretches follow each other in it, any choice of each.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/Text.h"
#include "finding/RomajiReading.h"

namespace pipit {

// A bit for a character, the same for every text: a text whose bits lack
// one of a reading's first characters cannot hold the reading. Letters have
// and digits a bit each, katakana (names are folded to it) share 22 and
// everything else the last 6, so that a Latin name never looks as if it
// held a kana.
inline unsigned charBitIndex(char16_t c) {
  if (c >= u'a' && c <= u'z') return c - u'a';
  if (c >= u'0' && c <= u'9') return 26 + (c - u'0');
  if (c >= 0x30A0 && c <= 0x30FF) return 36 + (c - 0x30A0) % 22;
  return 58 + c % 6;
}
inline std::uint64_t charBit(char16_t c) { return std::uint64_t{1} << charBitIndex(c); }
std::uint64_t charBits(TextView text);
// The bits of the first characters of every choice of every stretch.
std::uint64_t readingFirsts(const Reading& reading);

class ReadingMatch {
 public:
  // `unfinished`: the typed text's last letters are a syllable still being
  // typed ("kit", "kan"), which reaches the end of a name only as ン.
  explicit ReadingMatch(Reading typed, bool unfinished = false);

  enum class At { no, yes, whole };
  // Whether the typed text reads from `from` on in the text, and whether
  // some way of reading it ends with the text.
  At at(TextView text, std::size_t from);
  // Whether it reads as the start of a name's reading from one of its
  // stretches on: "デンタ" starts {デンタク}, "セツ" starts リモート{セツゾク}.
  bool startsReading(const Reading& name) const;

  // The bits of every character the typed text can begin with.
  std::uint64_t firstChars() const { return firstChars_; }
  // Whether a text of these charBits may hold the typed text: it has a first
  // character and every character all ways of reading it need.
  bool mayBeIn(std::uint64_t chars) const {
    return (chars & firstChars_) != 0 && (chars & neededChars_) == neededChars_;
  }
  // Whether a name's reading may start with it from some stretch on, by
  // the first characters of the stretches' choices (readingFirsts).
  bool mayStartReading(std::uint64_t readingFirsts) const {
    return (readingFirsts & spelledFirst_) != 0;
  }

 private:
  Reading typed_;
  std::vector<Text> spelled_;  // the reading's texts, for startsReading
  std::uint64_t firstChars_ = 0;
  std::uint64_t spelledFirst_ = 0;  // of spelled_
  std::uint64_t neededChars_ = 0;
  bool unfinished_ = false;
  Text singles_;  // the choices, when the text is one character of them
  std::vector<std::size_t> reached_, further_;
};

}  // namespace pipit
