// The log against the real file system: it never stops the launcher.
#include <windows.h>

#include <gtest/gtest.h>

#include "WinTestSupport.h"
#include "core/Logger.h"
#include "fakes/FakePorts.h"
#include "platform/win32/Win32Files.h"

namespace pipit {
namespace {

// The real files, but in a folder of the test's choosing.
class FilesInFolder : public Files {
 public:
  explicit FilesInFolder(Text folder) : folder_(std::move(folder)) {}
  Text programFolder() const override { return folder_; }
  Text programName() const override { return real_.programName(); }
  Outcome<std::string> readAll(const Text& path) const override { return real_.readAll(path); }
  Status append(const Text& path, std::string_view bytes) override {
    return real_.append(path, bytes);
  }
  Status replace(const Text& path, std::string_view bytes) override {
    return real_.replace(path, bytes);
  }

 private:
  Text folder_;
  win32::Win32Files real_;
};

TEST(Win32LoggerTest, RecordsAreAppendedInShiftJis) {
  wintest::TempFolder temp;
  FilesInFolder files(temp.path());
  fakes::FakeClock clock;
  Logger logger(files, clock, CodePage::system());
  logger.writeLog(u"A.b()", u"ピピット", true);
  logger.writeLog(u"A.b()", u"2", true);
  EXPECT_EQ(wintest::readFile(temp.file(u"debug.txt")),
            "2026/12/7 22:04:59\tA.b()\t\x83\x73\x83\x73\x83\x62\x83\x67\r\n"
            "2026/12/7 22:04:59\tA.b()\t2\r\n");
}

TEST(Win32LoggerTest, ALogThatCannotBeWrittenIsGivenUpQuietly) {
  wintest::TempFolder temp;
  CreateDirectoryW(win32::wide(temp.file(u"debug.txt")), nullptr);  // a folder of that name
  FilesInFolder files(temp.path());
  fakes::FakeClock clock;
  Logger logger(files, clock, CodePage::system());
  logger.writeLog(u"A.b()", u"x", true);  // returns normally

  FilesInFolder nowhere(temp.file(u"no such folder"));
  Logger lost(nowhere, clock, CodePage::system());
  lost.writeLog(u"A.b()", u"x", true);
  EXPECT_FALSE(wintest::fileExists(temp.file(u"no such folder")));
}

}  // namespace
}  // namespace pipit
