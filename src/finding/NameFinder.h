#pragma once
// Finds command words and program names as the user types: the names are
// folded once, when they are given, so a keystroke only folds what was typed
// and searches.
#include <cstddef>
#include <vector>

#include "base/Text.h"

namespace pipit {

class NameFinder {
 public:
  void setWords(std::vector<Text> words);
  const std::vector<Text>& words() const { return words_; }

  // The words that match the typed text, as indices into words(): first
  // those that start with it, then those that hold it further in, each group
  // in table order. The text matches as typed (case, width and kana script
  // folded) and, when it holds letters, as romaji. Empty text gives every
  // word.
  std::vector<std::size_t> find(TextView typed) const;

 private:
  std::vector<Text> words_;
  std::vector<Text> folded_;
};

}  // namespace pipit
