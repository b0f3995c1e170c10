#pragma once
// What a Japanese user does not care about when looking for a command word:
// letter case, full-width ASCII, half-width katakana and hiragana against
// katakana. Voiced marks, the long-vowel mark and small kana still count.
#include "base/Text.h"

namespace pipit {

// Lower-case ASCII for letters and full-width ASCII, full-width katakana for
// hiragana and half-width katakana (a half-width or combining voiced mark
// joins the kana before it), an ordinary space for the full-width one.
// Unpaired surrogates become U+FFFD, so a match never splits a pair.
Text foldForFinding(TextView text);

}  // namespace pipit
