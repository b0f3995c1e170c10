#include <gtest/gtest.h>

#include "core/Logger.h"
#include "fakes/FakePorts.h"

namespace pipit {
namespace {

class LoggerTest : public ::testing::Test {
 protected:
  fakes::FakeFiles files;
  fakes::FakeClock clock;
  CodePage cp = CodePage::named("CP932");
  const Text logPath = u"C:\\Tools\\Pipit\\debug.txt";

  Text log() { return cp.decode(files.content[logPath]); }
};

TEST_F(LoggerTest, OnlyForcedLinesReachTheFileWhileDebugModeIsOff) {
  Logger logger(files, clock, cp);
  logger.writeMethodStart(u"X.y()");
  logger.writeLog(u"X.y()", u"trace");
  EXPECT_EQ(files.content.count(logPath), 0u) << "nothing, not even an empty file";

  logger.writeMethodStart(u"X.y()", true);
  logger.setDebugMode(true);
  logger.writeLog(u"X.y()", u"trace");
  logger.writeMethodEnd(u"X.y()");
  EXPECT_EQ(log(),
            u"2026/12/7 22:04:59\tX.y()\tメソッドを開始します。\r\n"
            u"2026/12/7 22:04:59\tX.y()\ttrace\r\n"
            u"2026/12/7 22:04:59\tX.y()\tメソッドを完了しました。\r\n");
}

TEST_F(LoggerTest, AppendsToWhatEarlierRunsWroteAndKeepsTabsInMessages) {
  files.content[logPath] = "old line\r\n";
  Logger logger(files, clock, cp);
  logger.writeLog(u"A.b()", u"key\tvalue", true);
  EXPECT_EQ(log(), u"old line\r\n2026/12/7 22:04:59\tA.b()\tkey\tvalue\r\n");
  logger.writeLog(u"A.b()", u"ピ", true);
  EXPECT_NE(files.content[logPath].find("\tA.b()\t\x83\x73\r\n"), std::string::npos)
      << "records are written in the ANSI code page";
  logger.writeLog(u"A.b()", u"in\nside\r😀", true);
  EXPECT_NE(log().find(u"\tA.b()\tin side ??\r\n"), Text::npos) << "one record, one line";
}

TEST_F(LoggerTest, DriveRootGetsNoDoubledSeparator) {
  files.folder = u"D:\\";
  Logger logger(files, clock, cp);
  logger.writeLog(u"A.b()", u"x", true);
  EXPECT_EQ(files.content.count(u"D:\\debug.txt"), 1u);
}

TEST_F(LoggerTest, ALogThatCannotBeWrittenIsIgnored) {
  files.failing[logPath] = Failure::permissionDenied();
  Logger logger(files, clock, cp);
  logger.writeLog(u"A.b()", u"x", true);  // returns normally
  EXPECT_EQ(files.content.count(logPath), 0u);
}

}  // namespace
}  // namespace pipit
