#pragma once
// Text typed with the input method off, read as romaji: every spelling the
// usual Japanese input methods take (Hepburn, kunrei, "fyu", "tsa", "xtu" and
// the rest), "nn" and "n'" for ン, a doubled consonant for ッ, and a last
// syllable that is still being typed.
#include <cstdint>
#include <vector>

#include "base/Text.h"

namespace pipit {

// The typed text read as katakana, stretch by stretch: each stretch lists
// every kana it can be. Most have one; a spelling that reads two ways
// ("nna": ンア as an input method reads it, ンナ as Hepburn writes it) and
// letters still being typed ("ky": キャ, キュ, ...) have more. The choices
// of one stretch never change how the rest is read, so a long text full of
// them stays one short list rather than every combination of them.
using Reading = std::vector<std::vector<Text>>;

// The reading of text already folded by foldForFinding. Letters are read,
// everything else is kept as it stands ("-" as ー). Empty when the text holds
// no letter or its letters are not romaji.
Reading romajiReading(TextView folded);

// A bit for each of "a" to "z" and "0" to "9"; 0 for anything else.
std::uint64_t letterBit(char16_t folded);

// The letters a word that begins with this folded character can be typed
// with, as letterBit bits: a letter or digit itself, and for kana the first
// letters of its romaji spellings ("k" for コ, "s" and "c" for シ, "n" for
// ン). Small kana, typed with "x" or "l" only inside a word, give none.
std::uint64_t romajiInitials(char16_t folded);

}  // namespace pipit
