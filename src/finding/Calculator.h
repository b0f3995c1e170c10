#pragma once
// The calculator of the input box: "=1+2*3" (or "＝…", full-width forms
// folded) is worked out as it is typed. It reads + - * / % ^, × and ÷,
// parentheses and unary minus, decimals with digit-grouping commas, 0x hex,
// sqrt sin cos tan log ln abs round, pi and e. Nothing it is given makes it
// recurse deeply or run long: nesting and length are bounded.
#include <cstddef>
#include <cstdint>

#include "base/Text.h"

namespace pipit {

struct Calculation {
  enum class Outcome : std::uint8_t {
    value,           // `value` holds the result
    divisionByZero,  // "1/0", "5%0"
    overflow,        // beyond a double, or not a number ("sqrt(-1)")
    unreadable,      // not an expression it reads, too long or nested too deep
  };
  Outcome outcome = Outcome::unreadable;
  double value = 0;

  bool operator==(const Calculation&) const = default;
};

// Longer text, or deeper nesting, is refused as unreadable. A pair of
// parentheses and a sign each nest one step: a hundred pairs read.
inline constexpr std::size_t kLongestExpression = 1000;
inline constexpr std::size_t kDeepestNesting = 200;

// The expression after "=" or "＝", when the text starts with one.
bool isCalculation(TextView typed);
// Text with no "=" that still reads as arithmetic with an operator ("1+2*3").
bool looksLikeArithmetic(TextView typed);

// Works out the expression (without its "=").
Calculation calculate(TextView expression);

// How the user's locale groups digits: "," every three, for one.
struct DigitGrouping {
  Text separator = u",";
  int size = 3;
};

// The result as the list shows it: an integer exactly up to 2^53, anything
// else to 15 significant digits (so 0.1+0.2 is 0.3), the integer part
// grouped. `grouped` false gives the plain digits the clipboard takes.
Text resultText(double value, const DigitGrouping& grouping, bool grouped = true);

}  // namespace pipit
