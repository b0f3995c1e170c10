#pragma once
// The dictionary search: the whole command line is one phrase.
#include <optional>

#include "base/Text.h"

namespace pipit::ext {

extern const TextView kDictionaryTopPage;
extern const TextView kDictionaryQuestion;

// Nothing when the command line holds no more than blanks. Full-width spaces
// are part of the phrase.
std::optional<Text> dictionarySearchAddress(TextView commandLine);

}  // namespace pipit::ext
