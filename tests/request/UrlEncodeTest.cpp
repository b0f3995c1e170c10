#include <gtest/gtest.h>

#include "base/UrlEncode.h"

namespace pipit {
namespace {

struct Case {
  Text input;
  Text expected;
};

TEST(UrlEncodeTest, EncodesEachCodeUnitAsTheTableSays) {
  const Case cases[] = {
      {u"", u""},
      {u"abc", u"abc"},
      {u"a b", u"a+b"},
      {u"@", u"@"},
      {u"~", u"%7E"},
      {u"+", u"%2B"},
      {u"%", u"%25"},
      {u"/", u"%2F"},
      {u"\t", u"%09"},
      {u"\r\n", u"%0D%0A"},
      {u"\u00E9", u"%C3%A9"},
      {u"あ", u"%E3%81%82"},
      {u"\u3000", u"%E3%80%80"},
      {u"天気", u"%E5%A4%A9%E6%B0%97"},
      {u"\U0001F600", u"%ED%A0%BD%ED%B8%80"},
      // The unescaped set at its edges.
      {u"AZaz09*-._", u"AZaz09*-._"},
      {u"?[`{!", u"%3F%5B%60%7B%21"},
      // The boundaries between one, two and three bytes.
      {Text(1, u'\0'), u"%00"},
      {u"\u007F", u"%7F"},
      {u"\u0080", u"%C2%80"},
      {u"\u07FF", u"%DF%BF"},
      {u"\u0800", u"%E0%A0%80"},
      {u"\uFFFF", u"%EF%BF%BF"},
      // A lone surrogate is encoded like any other unit.
      {Text(1, char16_t(0xDC00)), u"%ED%B0%80"},
      {u"天気 は?", u"%E5%A4%A9%E6%B0%97+%E3%81%AF%3F"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(urlEncode(c.input), c.expected) << toUtf8(c.expected);
  }
}

TEST(UrlEncodeTest, OutputIsPrintableAsciiForEveryCodeUnit) {
  Text all;
  for (uint32_t c = 0; c <= 0xFFFF; ++c) all.push_back(static_cast<char16_t>(c));
  const Text encoded = urlEncode(all);
  for (const char16_t c : encoded) ASSERT_TRUE(c > 0x20 && c < 0x7F) << int(c);
  // 128 one-unit characters at most three wide, 1920 of six, the rest nine.
  EXPECT_LT(encoded.size(), all.size() * 9);
  EXPECT_EQ(encoded.substr(encoded.size() - 9), u"%EF%BF%BF");
}

}  // namespace
}  // namespace pipit
