#include "base/Number.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace pipit {
namespace {

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Parses into a magnitude capped just above any 32-bit value, so that very
// long digit strings neither overflow nor pass the range check.
Outcome<int64_t> toRoundedInteger(TextView raw) {
  const Text text = trimBlanks(raw);
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
    negative = text[i] == u'-';
    ++i;
  }
  constexpr int64_t kCap = int64_t{1} << 40;
  int64_t magnitude = 0;
  std::size_t digits = 0;
  for (; i < text.size() && isDigit(text[i]); ++i, ++digits) {
    magnitude = std::min(kCap, magnitude * 10 + (text[i] - u'0'));
  }
  bool roundUp = false;
  if (i < text.size() && text[i] == u'.') {
    ++i;
    const std::size_t fractionStart = i;
    while (i < text.size() && isDigit(text[i])) ++i;
    digits += i - fractionStart;
    if (i > fractionStart) {
      const char16_t first = text[fractionStart];
      bool restNonZero = false;
      for (std::size_t k = fractionStart + 1; k < i; ++k) restNonZero |= text[k] != u'0';
      roundUp = first > u'5' || (first == u'5' && (restNonZero || magnitude % 2 == 1));
    }
  }
  if (digits == 0 || i != text.size()) return Failure::typeMismatch();
  if (roundUp) magnitude = std::min(kCap, magnitude + 1);
  return negative ? -magnitude : magnitude;
}

template <class Int>
Outcome<Int> toRanged(TextView text) {
  const auto parsed = toRoundedInteger(text);
  if (!parsed) return parsed.failure();
  const int64_t v = parsed.value();
  if (v < std::numeric_limits<Int>::min() || v > std::numeric_limits<Int>::max()) {
    return Failure::overflow();
  }
  return static_cast<Int>(v);
}

Text asciiToText(const char* first, const char* last) { return Text(first, last); }

}  // namespace

Outcome<int32_t> toInt32(TextView text) { return toRanged<int32_t>(text); }
Outcome<int16_t> toInt16(TextView text) { return toRanged<int16_t>(text); }

Text decimalText(int64_t value) {
  char buffer[24];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return asciiToText(buffer, end);
}

Text signedDecimalText(int64_t value) {
  return value < 0 ? decimalText(value) : u" " + decimalText(value);
}

Text shortestText(float value) {
  char buffer[64];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return asciiToText(buffer, end);
}

int32_t roundHalfEven(float value) {
  if (std::isnan(value)) return 0;
  const double rounded = std::nearbyint(static_cast<double>(value));  // FE_TONEAREST: ties to even
  if (rounded <= std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  if (rounded >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(rounded);
}

}  // namespace pipit
