#pragma once
// Where the words of a name begin, for finding a name by a later word or by
// its initials: at blanks and punctuation, where lower case turns to upper
// ("PowerShell"), where a run of capitals gives way to a word ("HTMLEditor")
// and where letters meet kana or kanji, or katakana meets kanji or hiragana
// ("秀丸エディタ", "デスクトップ接続").
#include <cstdint>
#include <vector>

#include "base/Text.h"

namespace pipit {

struct FoldedWords {
  Text folded;                        // the name as foldForFinding folds it
  std::vector<std::uint16_t> starts;  // where each word begins in it, in order
};

// The folded name and its words. A name of only blanks and punctuation has
// none. Names longer than 65 535 characters keep the words that start
// within it.
FoldedWords foldedWords(TextView name);

}  // namespace pipit
