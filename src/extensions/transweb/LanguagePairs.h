#pragma once
// The translation service's language pairs and page addresses.
#include <array>
#include <cstddef>

#include "base/Text.h"

namespace pipit::ext {

struct LanguageInfo {
  Text path;  // the page path, with its trailing "/"
  Text code;  // the four-letter pair code
};

// The list entries, in the order of their indexes.
const std::array<TextView, 15>& languageEntries();

// Any index outside the list (no selection is -1) gives English to Japanese.
LanguageInfo getLanguageInfo(int index);

// The service's page for `text` (trimmed of blanks) in the pair at `index`.
Text translationAddress(TextView text, int index);

// How many characters at the start of `text`, `most` at the most, a page
// address can carry in every pair through the longest road to the browser;
// `text.size()` when all of it fits. A pair of surrogates is never split.
std::size_t translatableLength(TextView text, std::size_t most = TextView::npos);

}  // namespace pipit::ext
