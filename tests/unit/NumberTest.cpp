#include <gtest/gtest.h>

#include <limits>

#include "base/Number.h"

namespace pipit {
namespace {

struct Case {
  const char16_t* text;
  int64_t expected;  // value, or -1000000000000 for a type mismatch, 1000000000000 for overflow
};
constexpr int64_t kMismatch = -1'000'000'000'000;
constexpr int64_t kOverflow = 1'000'000'000'000;

void expectCases(const std::vector<Case>& cases, auto convert) {
  for (const auto& c : cases) {
    SCOPED_TRACE(toUtf8(c.text));
    const auto result = convert(c.text);
    if (c.expected == kMismatch) {
      ASSERT_FALSE(result.ok());
      EXPECT_EQ(result.failure().number, 13);
    } else if (c.expected == kOverflow) {
      ASSERT_FALSE(result.ok());
      EXPECT_EQ(result.failure().number, 6);
    } else {
      ASSERT_TRUE(result.ok());
      EXPECT_EQ(result.value(), c.expected);
    }
  }
}

TEST(NumberTest, Int32AcceptsSignBlanksAndRoundsHalvesToEven) {
  expectCases(
      {
          {u"2000", 2000},
          {u"  -15 ", -15},
          {u"+7", 7},
          {u"0012", 12},
          {u"12.5", 12},
          {u"13.5", 14},
          {u"-12.5", -12},
          {u"-13.5", -14},
          {u"12.51", 13},
          {u"12.4999", 12},
          {u"0.5", 0},
          {u"1.5", 2},
          {u".5", 0},
          {u"7.", 7},
          {u"2147483647", 2147483647},
          {u"-2147483648", std::numeric_limits<int32_t>::min()},
          {u"2147483647.4", 2147483647},
      },
      [](TextView t) { return toInt32(t); });
}

TEST(NumberTest, Int32RejectsEverythingElse) {
  expectCases(
      {
          {u"", kMismatch},
          {u"   ", kMismatch},
          {u"abc", kMismatch},
          {u"12a", kMismatch},
          {u"1 2", kMismatch},
          {u"- 5", kMismatch},
          {u"+", kMismatch},
          {u".", kMismatch},
          {u"1e3", kMismatch},
          {u"\t5", kMismatch},
          {u"１２", kMismatch},
          {u"0x10", kMismatch},
          {u"1,000", kMismatch},
          {u"--1", kMismatch},
          {u"2147483648", kOverflow},
          {u"-2147483649", kOverflow},
          {u"2147483647.5", kOverflow},
          {u"99999999999999999999999999999999", kOverflow},
      },
      [](TextView t) { return toInt32(t); });
}

TEST(NumberTest, Int16HasItsOwnRange) {
  expectCases({{u"32767", 32767},
               {u"-32768", -32768},
               {u"32768", kOverflow},
               {u"32767.5", kOverflow},
               {u"x", kMismatch}},
              [](TextView t) { return toInt16(t); });
}

TEST(NumberTest, NumberTextsForFilesAndLogLines) {
  EXPECT_EQ(decimalText(-300), u"-300");
  EXPECT_EQ(decimalText(0), u"0");
  EXPECT_EQ(signedDecimalText(2000), u" 2000");
  EXPECT_EQ(signedDecimalText(0), u" 0");
  EXPECT_EQ(signedDecimalText(-1), u"-1");
  EXPECT_EQ(shortestText(1200.0f), u"1200");
  EXPECT_EQ(shortestText(12.5f), u"12.5");
  EXPECT_EQ(shortestText(-45.0f), u"-45");
}

TEST(NumberTest, RoundingOfWindowPositions) {
  EXPECT_EQ(roundHalfEven(1200.0f), 1200);
  EXPECT_EQ(roundHalfEven(2.5f), 2);
  EXPECT_EQ(roundHalfEven(3.5f), 4);
  EXPECT_EQ(roundHalfEven(-2.5f), -2);
  EXPECT_EQ(roundHalfEven(1e20f), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(roundHalfEven(-1e20f), std::numeric_limits<int32_t>::min());
}

}  // namespace
}  // namespace pipit
