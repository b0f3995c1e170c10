#pragma once
// Text typed with the input method off, read as romaji: the common Hepburn
// and kunrei spellings, "nn" and "n'" for ン, a doubled consonant for ッ, and
// a last syllable that is still being typed.
#include <vector>

#include "base/Text.h"

namespace pipit {

// One way to read the typed text: `kana` followed, when `next` is not empty,
// by one of the kana that the letters typed last can still become.
struct Reading {
  Text kana;
  std::vector<Text> next;
};

// The katakana readings of text already folded by foldForFinding. Letters
// are read, everything else is kept as it stands. Empty when the text holds
// no letter or its letters are not romaji. An ambiguous spelling ("nna":
// ンア or ンナ) gives more than one reading, at most kMaxReadings.
std::vector<Reading> romajiReadings(TextView folded);

inline constexpr std::size_t kMaxReadings = 8;

}  // namespace pipit
