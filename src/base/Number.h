#pragma once
// Number conversion for settings and model files, and the number texts the
// log lines use.
#include <cstdint>

#include "base/Failure.h"
#include "base/Text.h"

namespace pipit {

// Accepts blanks (U+0020) around an optional sign and a decimal number with
// an optional fraction; the fraction rounds to the nearest integer, halves to
// even. Empty text or anything else is a type mismatch; a value outside the
// range is an overflow.
Outcome<int32_t> toInt32(TextView text);
Outcome<int16_t> toInt16(TextView text);

// Plain decimal digits, "-" in front when negative.
Text decimalText(int64_t value);

// Decimal digits with a leading blank where a sign would stand: " 2000", "-5".
Text signedDecimalText(int64_t value);

// The shortest decimal text that reads back as the same single-precision
// value ("1200", "12.5").
Text shortestText(float value);

// Rounds to the nearest integer, halves to even, clamped to the 32-bit range.
int32_t roundHalfEven(float value);

}  // namespace pipit
