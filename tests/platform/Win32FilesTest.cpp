#include <windows.h>

#include <gtest/gtest.h>

#include "WinTestSupport.h"
#include "base/CodePage.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32Files.h"

namespace pipit::win32 {
namespace {

class Win32FilesTest : public ::testing::Test {
 protected:
  wintest::TempFolder temp;
  Text folder = temp.path();
  Text file = temp.file(u"config.txt");
  Win32Files files;
};

TEST_F(Win32FilesTest, ProgramFolderAndNameAreThoseOfTheRunningProgram) {
  EXPECT_EQ(files.programName(), u"platform_tests");
  EXPECT_FALSE(files.programFolder().empty());
  EXPECT_NE(files.programFolder().back(), u'\\');
  const Text self = files.programFolder() + u"\\platform_tests.exe";
  EXPECT_NE(GetFileAttributesW(wide(self)), INVALID_FILE_ATTRIBUTES);
}

TEST_F(Win32FilesTest, ReplaceAppendAndReadKeepEveryByte) {
  const std::string bytes("PREF/TOP\t1\r\n\x83\x73\0end", 17);
  ASSERT_TRUE(files.replace(file, bytes).ok());
  EXPECT_EQ(files.readAll(file).value(), bytes);
  ASSERT_TRUE(files.append(file, "more").ok());
  EXPECT_EQ(files.readAll(file).value(), bytes + "more");
  ASSERT_TRUE(files.replace(file, "short").ok());
  EXPECT_EQ(files.readAll(file).value(), "short");
  EXPECT_EQ(GetFileAttributesW(wide(Text(file + u".new"))), INVALID_FILE_ATTRIBUTES)
      << "no temporary file is left behind";
  const std::string big(1 << 20, 'x');
  ASSERT_TRUE(files.replace(file, big).ok());
  EXPECT_EQ(files.readAll(file).value().size(), big.size());
}

// A file set aside never takes a name that is taken.
TEST_F(Win32FilesTest, RenameNeverReplaces) {
  ASSERT_TRUE(files.replace(file, "mine").ok() && files.replace(temp.file(u"a"), "taken").ok());
  EXPECT_EQ(files.rename(file, temp.file(u"a")).failure().number, 75);
  EXPECT_TRUE(files.rename(file, temp.file(u"b")).ok() && files.readAll(temp.file(u"a")).ok());
  EXPECT_EQ(files.rename(file, temp.file(u"c")).failure().number, 53);
}

TEST_F(Win32FilesTest, FailuresAreReportedAndLeaveTheOldFileWhole) {
  EXPECT_EQ(files.readAll(folder + u"\\missing.txt").failure().number, 53);
  EXPECT_FALSE(files.readAll(folder).ok()) << "a folder is not a file";

  ASSERT_TRUE(files.replace(file, "old content").ok());
  // A read-only settings file cannot be replaced: the old one stays.
  SetFileAttributesW(wide(file), FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(files.replace(file, "new").ok());
  SetFileAttributesW(wide(file), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(files.readAll(file).value(), "old content");

  // A folder where the file should be cannot be replaced either.
  const Text sub = folder + u"\\sub";
  CreateDirectoryW(wide(sub), nullptr);
  EXPECT_FALSE(files.replace(sub, "x").ok());
  EXPECT_FALSE(files.append(sub, "x").ok());
  EXPECT_NE(GetFileAttributesW(wide(sub)) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

// Each step of a replacement that can be made to fail here: creating the
// file beside the target, and the rename over a target a reader holds.
TEST_F(Win32FilesTest, AReplacementFailingAtAnyStepLeavesTheOldFileWhole) {
  ASSERT_TRUE(files.replace(file, "old content").ok());
  const Text beside = file + u".new";
  const auto failsAndKeepsTheOld = [&](const char* step) {
    EXPECT_FALSE(files.replace(file, "new content").ok()) << step;
    EXPECT_EQ(files.readAll(file).value(), "old content") << step;
  };

  CreateDirectoryW(wide(beside), nullptr);
  failsAndKeepsTheOld("a folder where the file beside goes");
  RemoveDirectoryW(wide(beside));
  {
    FileHandle held(CreateFileW(wide(beside), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    failsAndKeepsTheOld("the file beside held by another");
  }
  DeleteFileW(wide(beside));
  {
    FileHandle reader(CreateFileW(wide(file), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(reader);
    failsAndKeepsTheOld("the target held without delete sharing");
    EXPECT_EQ(GetFileAttributesW(wide(beside)), INVALID_FILE_ATTRIBUTES)
        << "the file beside is taken away";
  }
  ASSERT_TRUE(files.replace(file, "new content").ok()) << "nothing in the way any more";
  EXPECT_EQ(files.readAll(file).value(), "new content");
}

TEST(Win32CodePageTest, TheSystemCodePageIsShiftJis) {
  EXPECT_EQ(GetACP(), 932u);
  EXPECT_EQ(CodePage::system().encode(u"ピピット"), "\x83\x73\x83\x73\x83\x62\x83\x67");
  EXPECT_EQ(CodePage::system().decode("\x83\x5C"), u"ソ");
}

}  // namespace
}  // namespace pipit::win32
