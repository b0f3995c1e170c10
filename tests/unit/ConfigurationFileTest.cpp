#include <gtest/gtest.h>

#include "core/ConfigurationFile.h"
#include "fakes/FakePorts.h"
#include "fakes/LogRecords.h"

namespace pipit {
namespace {

class ConfigurationFileTest : public ::testing::Test {
 protected:
  fakes::FakeFiles files;
  fakes::FakeClock clock;
  CodePage cp = CodePage::named("CP932");
  Logger logger{files, clock, cp};
  ConfigurationFile file{files, cp, logger};
  const Text configPath = u"C:\\Tools\\Pipit\\config.txt";

  void write(TextView text) { files.content[configPath] = cp.encode(text); }
  Outcome<Configuration> read(TextView text) {
    write(text);
    return file.getConfigurationFromFile(configPath);
  }
  Configuration readOk(TextView text) {
    auto result = read(text);
    EXPECT_TRUE(result.ok()) << toUtf8(result.ok() ? u"" : result.failure().toText());
    return result.ok() ? result.value() : Configuration();
  }
  Text saved() { return cp.decode(files.content[configPath]); }
  // The message of every log record (all of them come from the reader).
  std::vector<Text> logMessages() {
    std::vector<Text> messages;
    for (const Text& record : fakes::logRecords(files, cp)) {
      messages.push_back(record.substr(record.find(u' ') + 1));
    }
    return messages;
  }
  static std::vector<Text> words(const Configuration& c) {
    std::vector<Text> out;
    for (const auto& row : c.commands()) out.push_back(row->toString(u"|"));
    return out;
  }
};

TEST_F(ConfigurationFileTest, ReadsEverySettingByItsOwnRule) {
  const auto c = readOk(
      u"PREF/HIDDEN_MODE\t1\r\n"
      u"PREF/HIDDEN_DELAY\t 1500 \r\n"
      u"PREF/HOTKEY_MOD\tALT\r\n"
      u"PREF/HOTKEY_VALUE\tQ\r\n"
      u"PREF/GOOGLE_URL\thttps://search.example/?q=\r\n"
      u"PREF/GOOGLE_ENCODING\tUTF-8\r\n"
      u"PREF/DEBUG_MODE\t1\r\n"
      u"PREF/NEWIE\t0\r\n"
      u"PREF/STYLE\t1\r\n"
      u"PREF/TOP\t-300\r\n"
      u"PREF/LEFT\t12.5\r\n"
      u"PREF/BACKGROUND_IMAGE\tback.gif\r\n");
  EXPECT_TRUE(c.isHiddenMode());
  EXPECT_EQ(c.getHiddenDelay(), 1500);
  EXPECT_EQ(c.getHotKeyMod(), u"ALT");
  EXPECT_EQ(c.getHotKeyValue(), u"Q");
  EXPECT_EQ(c.getGoogleURL(), u"https://search.example/?q=");
  EXPECT_EQ(c.getGoogleEncoding(), u"UTF-8");
  EXPECT_TRUE(c.isDebugMode());
  EXPECT_FALSE(c.isNewIE());
  EXPECT_TRUE(c.isStyleSimple());
  EXPECT_EQ(c.getFormTop(), -300);
  EXPECT_EQ(c.getFormLeft(), 12);
  EXPECT_EQ(c.getBackGroundImage(), u"back.gif");
  EXPECT_TRUE(c.commands().empty());
}

TEST_F(ConfigurationFileTest, FlagsAreTrueUnlessZeroButStyleOnlyWhenOne) {
  const auto loose = readOk(
      u"PREF/HIDDEN_MODE\t00\r\nPREF/DEBUG_MODE\tfalse\r\nPREF/NEWIE\t\r\nPREF/STYLE\ttrue\r\n");
  EXPECT_TRUE(loose.isHiddenMode());
  EXPECT_TRUE(loose.isDebugMode());
  EXPECT_TRUE(loose.isNewIE());
  EXPECT_FALSE(loose.isStyleSimple());
  const auto strict = readOk(u"PREF/HIDDEN_MODE\t0\r\nPREF/STYLE\t2\r\n");
  EXPECT_FALSE(strict.isHiddenMode());
  EXPECT_FALSE(strict.isStyleSimple());
}

TEST_F(ConfigurationFileTest, LineRules) {
  const auto c = readOk(
      u"# comment\twith a tab\r\n"
      u"   # indented comment\r\n"
      u"no tab at all\r\n"
      u"\r\n"
      u"  memo\tnotepad.exe\tC:\\Work  \r\n"  // blanks around the line go
      u"notepad \tx.exe\r\n"                  // blank before the tab stays
      u"PREF/hidden_mode\t0\r\n"              // keys are case-sensitive
      u"PREF/COLOR\tred\r\n"                  // unknown PREF keys are commands
      u"four\tp\td\textra\r\n"
      u"lf\tin\nside\r"  // a lone LF stays, a lone CR ends
      u"[区切り線]\t\t\r\n"
      u"mail\tfirst.exe\r\n"
      u"mail\tsecond.exe");
  EXPECT_EQ(words(c), (std::vector<Text>{
                          u"memo|notepad.exe|C:\\Work",
                          u"notepad |x.exe|",
                          u"PREF/hidden_mode|0|",
                          u"PREF/COLOR|red|",
                          u"four|p|d",
                          u"lf|in\nside|",
                          u"[区切り線]||",
                          u"mail|first.exe|",
                          u"mail|second.exe|",
                      }));
  EXPECT_FALSE(c.isHiddenMode()) << "the lower-case key did not set hidden mode";
}

TEST_F(ConfigurationFileTest, LastDuplicateSettingWins) {
  const auto c = readOk(
      u"PREF/HOTKEY_VALUE\tA\r\nPREF/HOTKEY_VALUE\tB\r\n"
      u"PREF/HIDDEN_DELAY\t100\r\nPREF/HIDDEN_DELAY\t\r\n");
  EXPECT_EQ(c.getHotKeyValue(), u"B");
  EXPECT_EQ(c.getHiddenDelay(), 2000) << "the blank last value counts as missing";
}

TEST_F(ConfigurationFileTest, HiddenDelayDefaultsAndCapsWithForcedLogLines) {
  EXPECT_EQ(readOk(u"x\ty\r\n").getHiddenDelay(), 2000);
  EXPECT_EQ(readOk(u"PREF/HIDDEN_DELAY\t45000\r\n").getHiddenDelay(), 30000);
  EXPECT_EQ(readOk(u"PREF/HIDDEN_DELAY\t-5\r\n").getHiddenDelay(), -5);
  EXPECT_EQ(readOk(u"PREF/HIDDEN_DELAY\t0\r\n").getHiddenDelay(), 0);
  EXPECT_EQ(logMessages(),
            (std::vector<Text>{
                u"非表示までの時間が指定されていないためデフォルト値2000ミリ秒をセットします",
                u"非表示までの時間： 45000",
                u"30秒超の値が指定されているため、30秒に補正します",
                u"非表示までの時間：-5",
                u"非表示までの時間： 0",
            }));
}

TEST_F(ConfigurationFileTest, FailuresAbandonTheWholeRead) {
  EXPECT_EQ(file.getConfigurationFromFile(u"C:\\nowhere\\config.txt").failure().number, 53);
  EXPECT_EQ(read(u"PREF/TOP\tabc\r\n").failure().number, 13);
  EXPECT_EQ(read(u"PREF/LEFT\t\r\n").failure().number, 13);
  EXPECT_EQ(read(u"PREF/TOP\t3000000000\r\n").failure().number, 6);
  EXPECT_EQ(read(u"PREF/HIDDEN_DELAY\tsoon\r\n").failure().number, 13);
  files.failing[configPath] = Failure::permissionDenied();
  EXPECT_EQ(file.getConfigurationFromFile(configPath).failure().number, 70);
}

TEST_F(ConfigurationFileTest, AtMost32767Commands) {
  Text text;
  for (int i = 0; i < 32767; ++i) text += u"c\tp\r\n";
  EXPECT_EQ(readOk(text).commands().size(), 32767u);
  EXPECT_FALSE(read(text + u"one\tmore\r\n").ok());
}

TEST_F(ConfigurationFileTest, WritesElevenSettingsThenCommandsAndAnEmptyLine) {
  const auto c = readOk(
      u"# dropped\r\n"
      u"PREF/BACKGROUND_IMAGE\tback.gif\r\n"
      u"zeta\tz.exe\r\n"
      u"PREF/LEFT\t-45\r\n"
      u"PREF/TOP\t13.5\r\n"
      u"alpha\ta.exe\tC:\\A\r\n"
      u"PREF/STYLE\t2\r\n"
      u"[区切り線]\t\t\r\n"
      u"PREF/COLOR\tred\textra\r\n");
  ASSERT_TRUE(file.saveConfiguration(c).ok());
  EXPECT_EQ(saved(),
            u"PREF/HIDDEN_MODE\t0\r\n"
            u"PREF/HIDDEN_DELAY\t2000\r\n"
            u"PREF/HOTKEY_MOD\t\r\n"
            u"PREF/HOTKEY_VALUE\t\r\n"
            u"PREF/GOOGLE_URL\t\r\n"
            u"PREF/GOOGLE_ENCODING\t\r\n"
            u"PREF/DEBUG_MODE\t0\r\n"
            u"PREF/NEWIE\t0\r\n"
            u"PREF/STYLE\t0\r\n"
            u"PREF/TOP\t14\r\n"
            u"PREF/LEFT\t-45\r\n"
            u"zeta\tz.exe\t\r\n"
            u"alpha\ta.exe\tC:\\A\r\n"
            u"[区切り線]\t\t\r\n"
            u"PREF/COLOR\tred\textra\r\n"
            u"\r\n");
  // What was written reads back the same.
  const auto again = file.getConfigurationFromFile(configPath);
  ASSERT_TRUE(again.ok());
  EXPECT_EQ(again.value().toString(u"\t"), c.toString(u"\t"));
}

TEST_F(ConfigurationFileTest, AFailedSaveKeepsTheOldFileAndReportsTheFailure) {
  write(u"PREF/TOP\t1\r\n");
  files.failing[configPath] = Failure::deviceIo();
  const Status status = file.saveConfiguration(Configuration());
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.failure().number, 57);
  EXPECT_EQ(saved(), u"PREF/TOP\t1\r\n");
}

TEST_F(ConfigurationFileTest, CommandTableCopiesShareTheirRows) {
  auto c = readOk(u"a\tb\r\n");
  auto copy = c.getCommands();
  copy.push_back(std::make_shared<CommandInfo>());
  copy[0]->setExecutionPath(u"changed");
  EXPECT_EQ(c.commands().size(), 1u);
  EXPECT_EQ(c.commands()[0]->getExecutionPath(), u"changed");
}

}  // namespace
}  // namespace pipit

namespace pipit {
namespace {

TEST_F(ConfigurationFileTest, BrokenBytesNulsAndHugeLinesAreReadWithoutACrash) {
  std::string bytes = "PREF/TOP\t5\r\n";
  bytes += std::string("bad\xA0\tpath\xFF\x00x\r\n", 14);  // bytes no character starts with
  bytes += "long\t" + std::string(1 << 20, 'a') + "\r\n";
  bytes += "\x81";  // a lead byte cut off at the end of the file
  files.content[configPath] = bytes;
  const auto read = file.getConfigurationFromFile(configPath);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.value().getFormTop(), 5);
  ASSERT_EQ(read.value().commands().size(), 2u);
  EXPECT_EQ(read.value().commands()[1]->getExecutionPath().size(), std::size_t{1} << 20);
}

}  // namespace
}  // namespace pipit

namespace pipit {
namespace {

// Files as other editors leave them: each reads as the same two rows.
TEST_F(ConfigurationFileTest, FilesFromOtherEditorsReadAsTheyLook) {
  const std::string memoSjis = "\x83\x81\x83\x82";  // メモ
  const std::string memoUtf8 = "\xE3\x83\xA1\xE3\x83\xA2";
  const std::pair<const char*, std::string> files_[] = {
      {"Shift-JIS, CR LF", memoSjis + "\tnotepad.exe\r\nPREF/TOP\t15\r\nb\tc\r\n"},
      {"LF line ends", memoSjis + "\tnotepad.exe\nPREF/TOP\t15\nb\tc\n"},
      {"UTF-8 without a mark", memoUtf8 + "\tnotepad.exe\r\nPREF/TOP\t15\r\nb\tc"},
      {"UTF-8 with a mark", "\xEF\xBB\xBF" + memoUtf8 + "\tnotepad.exe\nPREF/TOP\t15\nb\tc\n"},
      // A stray lead byte before a TAB or a line end swallows neither.
      {"stray lead bytes", memoSjis + "\tnotepad.exe\r\nPREF/TOP\t15\r\nb\x81\tc\x81\r\n"},
  };
  for (const auto& [name, bytes] : files_) {
    files.content[configPath] = bytes;
    const auto read = file.getConfigurationFromFile(configPath);
    ASSERT_TRUE(read.ok()) << name;
    ASSERT_EQ(read.value().commands().size(), 2u) << name;
    EXPECT_EQ(read.value().commands()[0]->toString(u"|"), u"メモ|notepad.exe|") << name;
    EXPECT_EQ(read.value().commands()[1]->getCommand().substr(0, 1), u"b") << name;
    EXPECT_EQ(read.value().getFormTop(), 15) << name;
  }
}

// Shift-JIS whenever every value fits; the whole file in UTF-8 with a mark
// when one does not, so that no name comes back as "?".
TEST_F(ConfigurationFileTest, SavesShiftJisUnlessAValueDoesNotFit) {
  for (const Text& path :
       {Text(u"C:\\メモ\\notepad.exe"), Text(u"C:\\ﾃｽ\\a.exe"), Text(u"C:\\😀\\한\\a.exe")}) {
    auto c = readOk(u"PREF/TOP\t0\r\nPREF/LEFT\t0\r\n");
    auto row = std::make_shared<CommandInfo>();
    row->setCommand(u"メモ");
    row->setExecutionPath(path);
    c.setCommands({row});
    ASSERT_TRUE(file.saveConfiguration(c).ok());
    const std::string& bytes = files.content[configPath];
    const bool fits = path.find(u'한') == Text::npos;
    EXPECT_EQ(bytes.substr(0, 3) == "\xEF\xBB\xBF", !fits) << toUtf8(path);
    if (fits) {
      EXPECT_EQ(bytes, cp.encode(c.toString(u"\t") + u"\r\n"));
    }
    const auto again = file.getConfigurationFromFile(configPath);
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(again.value().commands()[0]->getExecutionPath(), path);
  }
}

// UTF-8 from an editor with a Shift-JIS line appended by another tool: both
// read, and the file is saved in the one encoding that holds them both.
TEST_F(ConfigurationFileTest, AFileOfTwoEncodingsKeepsBothAndIsSavedAsUtf8) {
  const std::string mixed = "\xE3\x83\xA1\xE3\x83\xA2\ta\r\n\x93\x64\x91\xEC\tb\r\n";
  files.content[configPath] = mixed;
  ASSERT_TRUE(file.saveConfiguration(file.getConfigurationFromFile(configPath).value()).ok());
  EXPECT_TRUE(files.content[configPath].starts_with("\xEF\xBB\xBF"));
  EXPECT_EQ(words(file.getConfigurationFromFile(configPath).value()),
            (std::vector<Text>{u"メモ|a|", u"電卓|b|"}));
}

// Bytes no character has would be saved as a replacement for good: the file
// stays as it is, and the failure names the line. Text never written back
// as it was read does not count.
TEST_F(ConfigurationFileTest, AFileWithUndecodableBytesIsNeverOverwritten) {
  const std::string bytes = "# \x81\r\nPREF/NEWIE\t\x81\r\nPREF/TOP\t5\t\x81\r\nbad\x81\tp\r\n";
  files.content[configPath] = bytes;
  const Status saved = file.saveConfiguration(file.getConfigurationFromFile(configPath).value());
  ASSERT_FALSE(saved.ok());
  EXPECT_NE(saved.failure().description.find(u"4 行目"), Text::npos);
  EXPECT_EQ(files.content[configPath], bytes);
}

}  // namespace
}  // namespace pipit
