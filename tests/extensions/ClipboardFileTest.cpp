// What clipcmd makes of its argument and the file it names.
#include <gtest/gtest.h>

#include "ExtensionFakes.h"
#include "extensions/clipcmd/ClipboardFile.h"

namespace pipit::ext {
namespace {

TEST(ClipboardFileTest, EveryLineEndsInCrLf) {
  struct Case {
    Text file;
    Text expected;
  };
  const Case cases[] = {
      {u"", u""},
      {u"a\r\nb", u"a\r\nb\r\n"},
      {u"a\r\nb\r\n", u"a\r\nb\r\n"},
      {u"a\rb\r", u"a\r\nb\r\n"},
      {u"a\nb", u"a\nb\r\n"},
      {u"a\n", u"a\n\r\n"},
      {u"\r\n\r\n", u"\r\n\r\n"},
      {u"\r\r\n\n", u"\r\n\r\n\n\r\n"},
      {u"\t全角\u3000", u"\t全角\u3000\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(clipboardText(c.file), c.expected) << toUtf8(c.file);
  }
}

class LoadClipboardTextTest : public ::testing::Test {
 protected:
  fakes::FakeFileReader files;
  const Text folder = u"C:\\ピピット\\extention";

  std::variant<Text, ClipMessage> load(TextView argument) {
    return loadClipboardText(argument, folder, files, fakes::shiftJis());
  }
  void put(const Text& path, ReadProblem problem, std::string bytes = {}) {
    files.files[path] = {problem, std::move(bytes)};
  }
};

TEST_F(LoadClipboardTextTest, QuotesGoAndBlanksAloneAreNoPath) {
  for (const Text argument : {u"", u"   ", u"\"\"", u"\" \"\"  \""}) {
    EXPECT_EQ(load(argument), (std::variant<Text, ClipMessage>(ClipMessage::NoPath)))
        << toUtf8(argument);
  }
  EXPECT_TRUE(files.read.empty());

  put(u"C:\\my docs\\a b.txt", ReadProblem::None, "\x88\xA5\x82\xB3\x82\xC2\r\nb");
  EXPECT_EQ(load(u"\"C:\\my docs\\a b.txt\""),
            (std::variant<Text, ClipMessage>(u"挨さつ\r\nb\r\n")));
  EXPECT_EQ(load(u"C:\\my \"docs\\a b.txt"), (std::variant<Text, ClipMessage>(u"挨さつ\r\nb\r\n")));
  // A file saved as UTF-8, with or without a mark, reads as written.
  put(u"C:\\u.txt", ReadProblem::None, "\xE6\x8C\xA8\xE3\x81\x95\xE3\x81\xA4\r\nb");
  put(u"C:\\bom.txt", ReadProblem::None, "\xEF\xBB\xBF\xED\x95\x9C");
  EXPECT_EQ(load(u"C:\\u.txt"), (std::variant<Text, ClipMessage>(u"挨さつ\r\nb\r\n")));
  EXPECT_EQ(load(u"C:\\bom.txt"), (std::variant<Text, ClipMessage>(u"한\r\n")));
  // Shift-JIS katakana alone happens to be valid UTF-8, but stays katakana.
  put(u"C:\\kana.txt", ReadProblem::None, "\xC3\xBD");
  EXPECT_EQ(load(u"C:\\kana.txt"), (std::variant<Text, ClipMessage>(u"ﾃｽ\r\n")));
}

TEST_F(LoadClipboardTextTest, OnlyAMissingFileIsNotFound) {
  put(u"C:\\x\\missing.txt", ReadProblem::MissingFile);
  put(u"C:\\nofolder\\a.txt", ReadProblem::MissingFolder);
  put(u"C:\\x", ReadProblem::Other);
  EXPECT_EQ(load(u"C:\\x\\missing.txt"),
            (std::variant<Text, ClipMessage>(ClipMessage::MissingFile)));
  EXPECT_EQ(load(u"C:\\nofolder\\a.txt"), (std::variant<Text, ClipMessage>(ClipMessage::Failure)));
  EXPECT_EQ(load(u"C:\\x"), (std::variant<Text, ClipMessage>(ClipMessage::Failure)));
  // Absolute paths are never looked for anywhere else.
  EXPECT_EQ(files.read.size(), 3u);
}

TEST_F(LoadClipboardTextTest, ARelativePathMissingHereIsTakenFromTheLaunchersFolder) {
  // Started at logon, the current folder is not the launcher's: the shipped
  // "extention\aisatsu.txt" is missing folder and all.
  put(u"extention\\aisatsu.txt", ReadProblem::MissingFolder);
  put(u"C:\\ピピット\\extention\\aisatsu.txt", ReadProblem::None, "hello");
  EXPECT_EQ(load(u"extention\\aisatsu.txt"), (std::variant<Text, ClipMessage>(u"hello\r\n")));

  // A file in the current folder comes first.
  put(u"here.txt", ReadProblem::None, "here");
  put(u"C:\\ピピット\\here.txt", ReadProblem::None, "there");
  EXPECT_EQ(load(u"here.txt"), (std::variant<Text, ClipMessage>(u"here\r\n")));

  // Missing in both places, the answer is the one for the place that exists.
  put(u"gone.txt", ReadProblem::MissingFile);
  put(u"sub\\gone.txt", ReadProblem::MissingFolder);
  put(u"C:\\ピピット\\sub\\gone.txt", ReadProblem::MissingFile);
  EXPECT_EQ(load(u"gone.txt"), (std::variant<Text, ClipMessage>(ClipMessage::MissingFile)));
  EXPECT_EQ(load(u"sub\\gone.txt"), (std::variant<Text, ClipMessage>(ClipMessage::MissingFile)));
}

}  // namespace
}  // namespace pipit::ext
