#pragma once
// How far typed text is from the start of a name, counting the slips of a
// hurried typist: a letter added, dropped or replaced, or two neighbours
// swapped. Only the start of the name counts, so a name is near while the
// user is still typing it ("firf" is one slip from "firefox").
#include <cstddef>
#include <vector>

#include "base/Text.h"

namespace pipit {

// The slips allowed in text of this many characters: none under four, then
// one more for every further four.
std::size_t typoAllowance(std::size_t typedSize);

// Measures one typed text against many names; the rows it works in are
// kept from name to name, as a keystroke measures thousands.
class TypoMeasure {
 public:
  // Whether `typed` is within `allowed` slips of some start of `name`. Work
  // stops as soon as every alignment is past `allowed`.
  bool nearStart(TextView typed, TextView name, std::size_t allowed);

 private:
  std::vector<std::size_t> before_, previous_, current_;
};

}  // namespace pipit
