#include <gtest/gtest.h>

#include "base/CodePage.h"
#include "base/SettingsText.h"

namespace pipit {
namespace {

const CodePage& shiftJis() {
  static const CodePage cp = CodePage::named("CP932");
  return cp;
}

TEST(CodePageTest, ShiftJisRoundTrip) {
  const Text text = u"ピピットランチャー\tメモ帳\tC:\\Program Files\\";
  const std::string bytes = shiftJis().encode(text);
  // "ピ" is 0x83 0x73 in Shift-JIS; a "\" after a lead byte must survive.
  EXPECT_EQ(bytes.substr(0, 2), "\x83\x73");
  EXPECT_EQ(shiftJis().decode(bytes), text);
  EXPECT_EQ(shiftJis().decode("\x83\x5C"), u"ソ");  // trail byte 0x5C is not a separator
  EXPECT_EQ(shiftJis().decode("\xB1\xB2"), u"ｱｲ");  // half-width katakana
}

TEST(CodePageTest, BrokenBytesAndNulsAreReadWithoutLoss) {
  // A lead byte at the end, an invalid lead byte and a NUL.
  const std::string bytes(
      "ab\x00\xFF"
      "c\x83",
      6);
  const Text text = shiftJis().decode(bytes);
  ASSERT_GE(text.size(), 4u);
  EXPECT_EQ(text.substr(0, 3), Text(u"ab\0", 3));
  EXPECT_NE(text.find(u'c'), Text::npos);
}

TEST(CodePageTest, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(shiftJis().encode(u"a😀b"), "a??b") << "one mark per UTF-16 unit";
  EXPECT_EQ(shiftJis().encode(Text(u"a\xD800"
                                   u"b")),
            "a?b");
}

TEST(CodePageTest, AMegabyteLineConverts) {
  const Text line(1 << 20, u'あ');
  const std::string bytes = shiftJis().encode(line);
  EXPECT_EQ(bytes.size(), 2u << 20);
  EXPECT_EQ(shiftJis().decode(bytes), line);
}

// Files as editors, tools and systems leave them, read on a Japanese system
// and on a Western one, and text written on each: the code page's bytes
// where they read back, else UTF-8 with a mark.
TEST(SettingsTextTest, EachFileReadsAsWrittenOnEitherSystem) {
  const CodePage western = CodePage::named("CP1252");
  const std::string sjis = "\x83\x81\x83\x82", utf8 = "\xE3\x83\xA1\xE3\x83\xA2";  // メモ
  const std::pair<std::string, Text> files[] = {
      {sjis + "\t\xC3\xBD\r\n", u"メモ\tﾃｽ\r\n"},
      {"\xC3\xBD\t\xCF\xB2", u"ﾃｽ\tﾏｲ"},  // katakana that happens to be UTF-8
      {"caf\xC3\xA9", u"cafﾃｩ"},          // UTF-8 letters all of katakana bytes
      {utf8 + "\xD0\x9F\n", u"メモП\n"},  // two-byte forms outside them
      {"\xEF\xBB\xBF\xC3\xBD", u"ý"},     // marked
      {utf8 + "\r\n" + sjis + "\r\n", u"メモ\r\nメモ\r\n"},
      {"\xEF\xBB\xBF" + utf8 + "\n" + sjis, u"メモ\nメモ"},
  };
  for (const auto& [bytes, text] : files) {
    EXPECT_EQ(decodeSettingsFile(bytes, shiftJis()), text) << toUtf8(text);
    EXPECT_EQ(decodeSettingsFile(bytes, western), text) << toUtf8(text);
  }
  const std::string mark = "\xEF\xBB\xBF";
  const std::tuple<const CodePage&, Text, std::string> written[] = {
      {shiftJis(), u"ﾃｽ\r\n", "\xC3\xBD\r\n"},
      {shiftJis(), u"ﾂー", mark + "\xEF\xBE\x82\xE3\x83\xBC"},  // its bytes are UTF-8
      {western, u"café", "caf\xE9"},
      {western, u"élève", mark + "\xC3\xA9l\xC3\xA8ve"},  // its bytes are Shift-JIS
  };
  for (const auto& [system, text, bytes] : written) {
    EXPECT_EQ(encodeSettings(text, system), bytes) << toUtf8(text);
    EXPECT_EQ(decodeSettingsFile(bytes, system), text) << toUtf8(text);
  }
}

}  // namespace
}  // namespace pipit
