#include <gtest/gtest.h>

#include "base/Path.h"
#include "base/Text.h"

namespace pipit {
namespace {

using Lines = std::vector<Text>;

TEST(TextTest, TrimRemovesOnlyAsciiBlanks) {
  EXPECT_EQ(trimBlanks(u"  notepad  "), u"notepad");
  EXPECT_EQ(trimBlanks(u"\tnotepad\t"), u"\tnotepad\t");
  EXPECT_EQ(trimBlanks(u"\u3000メモ\u3000"), u"\u3000メモ\u3000");
  EXPECT_EQ(trimBlanks(u"   "), u"");
  EXPECT_EQ(trimBlanks(u""), u"");
  EXPECT_EQ(trimBlanks(u" a b "), u"a b");
}

TEST(TextTest, SplitTabsKeepsEveryEmptyField) {
  EXPECT_EQ(splitTabs(u"a\tb\tc"), (Lines{u"a", u"b", u"c"}));
  EXPECT_EQ(splitTabs(u"[区切り線]\t\t"), (Lines{u"[区切り線]", u"", u""}));
  EXPECT_EQ(splitTabs(u"\t"), (Lines{u"", u""}));
  EXPECT_EQ(splitTabs(u"no tab"), (Lines{u"no tab"}));
  EXPECT_EQ(splitTabs(u"notepad \t x"), (Lines{u"notepad ", u" x"}));
}

TEST(TextTest, LinesEndAtCrLfOrLoneCrButNotAtLoneLf) {
  EXPECT_EQ(splitLines(u"a\r\nb\r\n"), (Lines{u"a", u"b"}));
  EXPECT_EQ(splitLines(u"a\rb"), (Lines{u"a", u"b"}));
  EXPECT_EQ(splitLines(u"a\nb\r\nc"), (Lines{u"a\nb", u"c"}));
  EXPECT_EQ(splitLines(u"a\r\n\r\nb"), (Lines{u"a", u"", u"b"}));
  EXPECT_EQ(splitLines(u"a\r\n\r\n"), (Lines{u"a", u""}));
  EXPECT_EQ(splitLines(u"\r\r\n"), (Lines{u"", u""}));
  EXPECT_EQ(splitLines(u""), Lines{});
  EXPECT_EQ(splitLines(u"last"), (Lines{u"last"}));
}

TEST(TextTest, Utf8RoundTripsAndReplacesBrokenInput) {
  const Text japanese = u"ピピット😀";
  EXPECT_EQ(fromUtf8(toUtf8(japanese)), japanese);
  EXPECT_EQ(fromUtf8("\xE3\x81"), u"\uFFFD\uFFFD");            // truncated sequence
  EXPECT_EQ(fromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");            // overlong "/"
  EXPECT_EQ(fromUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // encoded surrogate
  EXPECT_EQ(toUtf8(Text(1, u'\xD800')), "\xEF\xBF\xBD");       // unpaired surrogate
  EXPECT_EQ(fromUtf8(std::string("a\0b", 3)), Text(u"a\0b", 3));
}

TEST(PathTest, SeparatorIsAddedOnlyWhenMissing) {
  EXPECT_EQ(appendPathSeparator(u"C:\\Tools"), u"C:\\Tools\\");
  EXPECT_EQ(appendPathSeparator(u"C:\\"), u"C:\\");
  EXPECT_EQ(appendPathSeparator(u"C:\\Tools/"), u"C:\\Tools/\\");
}

}  // namespace
}  // namespace pipit
