#include <gtest/gtest.h>

#include "base/CodePage.h"

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

}  // namespace
}  // namespace pipit
