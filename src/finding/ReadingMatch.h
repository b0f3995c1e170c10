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
// one of a reading's first characters cannot hold the reading.
inline std::uint64_t charBit(char16_t c) { return std::uint64_t{1} << (c & 63); }
std::uint64_t charBits(TextView text);

class ReadingMatch {
 public:
  // `unfinished`: the typed text's last letters are a syllable still being
  // typed ("kit", "kan"), which reaches the end of a name only as ン.
  explicit ReadingMatch(Reading typed, bool unfinished = false);

  enum class At { no, yes, whole };
  // Whether the typed text reads from `from` on in the text, and whether
  // some way of reading it ends with the text.
  At at(TextView text, std::size_t from);
  // Whether it reads anywhere in the text.
  bool anywhere(TextView text);
  // Whether it reads as the start of a name's reading from one of its
  // stretches on: "デンタ" starts {デンタク}, "セツ" starts リモート{セツゾク}.
  bool startsReading(const Reading& name) const;

  // The bits of every character the typed text can begin with.
  std::uint64_t firstChars() const { return firstChars_; }

 private:
  Reading typed_;
  std::vector<Text> spelled_;  // the reading's texts, for startsReading
  std::uint64_t firstChars_ = 0;
  bool unfinished_ = false;
  std::vector<std::size_t> reached_, further_;
};

}  // namespace pipit
