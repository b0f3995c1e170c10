// How the web programs learn whether to open a new browser window.
#include <gtest/gtest.h>

#include "ExtensionFakes.h"
#include "extensions/common/NewWindowSetting.h"
#include "extensions/common/WebPage.h"
#include "platform/ShellRoutes.h"

namespace pipit::ext {
namespace {

using fakes::StringSource;

TEST(ByteLinesTest, SplitsAtCrLfAndLoneCrAcrossPiecesAndAtLfWithoutCr) {
  using Lines = std::vector<std::string>;
  const std::pair<std::string, Lines> files[] = {
      {"a\r\nb\rc\nd\r\r\ne", {"a", "b", "c\nd", "", "e"}},
      {"a\nb\n\nc\n", {"a", "b", "", "c"}},
      {"\xEF\xBB\xBF"
       "a\r\nb",
       {"a", "b"}},
  };
  // Pieces of one byte put every CR LF across a boundary.
  for (const auto& [file, expected] : files) {
    for (const std::size_t piece : {std::size_t(1), std::size_t(2), std::size_t(64)}) {
      StringSource source(file, piece);
      ByteLines lines(source);
      Lines got;
      std::string line;
      while (lines.next(line) == ByteLines::Result::Line) got.push_back(line);
      EXPECT_EQ(got, expected) << piece;
    }
  }
}

TEST(ByteLinesTest, KeepsMemoryBoundedAndReportsAFailedRead) {
  StringSource longLine(std::string(100, 'x') + "\r\nnext", 64);
  ByteLines lines(longLine, 10);
  std::string line;
  ASSERT_EQ(lines.next(line), ByteLines::Result::Line);
  EXPECT_EQ(line, std::string(10, 'x'));
  ASSERT_EQ(lines.next(line), ByteLines::Result::Line);
  EXPECT_EQ(line, "next");
  EXPECT_EQ(lines.next(line), ByteLines::Result::End);

  StringSource broken("first\r\nsecond", 4, 8);
  ByteLines failing(broken);
  ASSERT_EQ(failing.next(line), ByteLines::Result::Line);
  EXPECT_EQ(failing.next(line), ByteLines::Result::Failed);
}

TEST(NewWindowSettingTest, OnlyAOneInTheFirstSettingLineAsksForANewWindow) {
  struct Case {
    std::string file;
    bool expected;
  };
  const Case cases[] = {
      {"PREF/NEWIE\t1\r\n", true},
      {"PREF/NEWIE\t  1  \r\n", true},
      {"PREF/HIDDEN_MODE\t1\r\nPREF/NEWIE\t1", true},
      {"PREF/NEWIE\t0\r\n", false},
      {"PREF/NEWIE\t 0 \r\n", false},
      // The launcher reads these as on, but a companion opens a new window
      // only for a "1": nothing at all or any other word is off.
      {"PREF/NEWIE\t\r\n", false},
      {"PREF/NEWIE\tyes\r\n", false},
      {"PREF/NEWIE\t11\r\n", false},
      {"PREF/NEWIE\t\t1\r\n", false},
      {"PREF/NEWIE\t1\t0\r\n", true},
      {"PREF/NEWIE 1\r\n", false},
      {"pref/newie\t1\r\n", false},
      {"", false},
      {"PREF/NEWIE\t0\r\nPREF/NEWIE\t1\r\n", false},
      // A lone CR ends a line; a lone LF only in a file without CR.
      {"x\rPREF/NEWIE\t1", true},
      {"PREF/NEWIE\t1\nx\r\n", false},
      {"PREF/STYLE\t1\nPREF/NEWIE\t0\nx\n", false},
      // UTF-8, whose "ぁ" ends in a byte that Shift-JIS would join to the "P".
      {"\xE3\x81\x81PREF/NEWIE\t1\r\n", true},
      {"\xEF\xBB\xBFPREF/NEWIE\t0\r\n", false},
      // A Shift-JIS command row before the setting.
      {"\x83\x81\x83\x82\x92\xA0\tnotepad.exe\r\nPREF/NEWIE\t1\r\n", true},
      {std::string("\0\xFF\xFE\x01", 4) + "\r\nPREF/NEWIE\t1\r\n", true},
  };
  for (const Case& c : cases) {
    StringSource file(c.file);
    EXPECT_EQ(readNewIESetting(file, fakes::shiftJis()), c.expected) << c.file;
  }
}

TEST(NewWindowSettingTest, ReadsTheLaunchersFileOneFolderUp) {
  fakes::FakeFileOpener files;
  files.files[u"C:\\ピピット\\config.txt"] = "PREF/NEWIE\t1\r\n";
  EXPECT_TRUE(loadNewIESetting(u"C:\\ピピット\\extention", files, fakes::shiftJis()));
  EXPECT_TRUE(loadNewIESetting(u"C:\\ピピット\\Extention\\", files, fakes::shiftJis()));
  EXPECT_FALSE(loadNewIESetting(u"D:\\ピピット\\extention", files, fakes::shiftJis()));

  // Anywhere else no other "config.txt" is read in its place.
  files.opened.clear();
  for (const Text folder :
       {u"C:\\tools", u"C:\\program\\x", u"C:\\", u"", u"extention", u"C:\\myextention"}) {
    EXPECT_FALSE(loadNewIESetting(folder, files, fakes::shiftJis())) << toUtf8(folder);
  }
  EXPECT_TRUE(files.opened.empty());
}

TEST(WebPageTest, OpensWhereTheSettingAndTheBrowserObjectAllow) {
  fakes::FakeDialogs dialogs;
  fakes::FakeBrowser browser;
  fakes::FakeShell shell;
  bool newWindow = false;
  int settingReads = 0;
  WebPorts ports{dialogs, browser, shell, [&] {
                   ++settingReads;
                   return newWindow;
                 }};

  openAddress(u"https://a.example/", ports);
  newWindow = true;
  openAddress(u"https://b.example/", ports);
  browser.available = false;
  openAddress(u"https://c.example/", ports);

  EXPECT_EQ(browser.opened, (std::vector<Text>{u"https://b.example/", u"https://c.example/"}));
  EXPECT_EQ(shell.openedFiles(), (std::vector<Text>{u"https://a.example/", u"https://c.example/"}));
  EXPECT_EQ(settingReads, 3);
  EXPECT_TRUE(dialogs.prompts().empty());

  // A long address goes past the browser object to its scheme's program.
  browser.available = true;
  const Text browsable = u"https://d.example/?q=" + Text(kLongestBrowserAddress - 21, u'a');
  const Text paragraph = browsable + Text(6000, u'a');
  EXPECT_TRUE(openAddress(browsable, ports));
  EXPECT_TRUE(openAddress(paragraph, ports));
  EXPECT_EQ(browser.opened.back(), browsable);
  EXPECT_EQ(shell.started, std::vector<Text>{u"browser.exe \"" + paragraph + u"\""});
  EXPECT_FALSE(openAddress(paragraph + Text(30000, u'a'), ports));
  shell.handler.clear();
  EXPECT_FALSE(openAddress(paragraph, ports));
  EXPECT_EQ(dialogs.prompts(), std::vector<Text>(2, Text(kAddressTooLong)));
}

TEST(WebPageTest, WithoutWordsTheQuestionDecidesOnTheTopPage) {
  for (const MessageAnswer answer : {MessageAnswer::Ok, MessageAnswer::Cancel}) {
    fakes::FakeDialogs dialogs;
    dialogs.answer = answer;
    fakes::FakeBrowser browser;
    fakes::FakeShell shell;
    bool settingRead = false;
    WebPorts ports{dialogs, browser, shell, [&] { return settingRead = true, false; }};

    const bool opened =
        openSearchOrTopPage(std::nullopt, u"https://top.example/", u"開きますか？", ports);

    EXPECT_EQ(dialogs.prompts(), std::vector<Text>{u"開きますか？"});
    EXPECT_EQ(opened, answer == MessageAnswer::Ok);
    EXPECT_EQ(shell.openedFiles().size(), answer == MessageAnswer::Ok ? 1u : 0u);
    // Cancel ends before the launcher's settings are even read.
    EXPECT_EQ(settingRead, answer == MessageAnswer::Ok);
  }
}

}  // namespace
}  // namespace pipit::ext
