#include <windows.h>

#include <gtest/gtest.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <future>
#include <mutex>
#include <optional>

#include "WinTestSupport.h"
#include "finding/ProgramIndexThread.h"
#include "platform/win32/ComApartment.h"
#include "platform/win32/Win32InstalledPrograms.h"

namespace pipit::win32 {
namespace {
using namespace std::chrono_literals;
using Programs = std::vector<InstalledProgram>;

void makeShortcut(const Text& file, const Text& target = {}) {
  ASSERT_TRUE(wintest::saveShortcut(file, target)) << toUtf8(file);
}

Programs sorted(Programs programs) {
  std::sort(programs.begin(), programs.end());
  return programs;
}

class Win32InstalledProgramsTest : public ::testing::Test {
 protected:
  Text dir(const Text& relative) {
    Text path = temp.file(relative);
    SHCreateDirectoryExW(nullptr, wide(path), nullptr);
    return path;
  }
  Text target(const Text& name) {  // any file will do
    Text path = temp.file(name);
    wintest::writeFile(path, "MZ");
    return path;
  }
  ComApartment com;
  wintest::TempFolder temp;
  const Text program = target(u"program.exe");
};

TEST_F(Win32InstalledProgramsTest, ScanListsEveryShortcutTheShellCouldOpenOnce) {
  const Text start = dir(u"start"), desk = dir(u"desk"), gone = target(u"gone.exe"),
             other = target(u"other.exe"), cafe = target(u"Café.exe");
  const Text plain = start + u"\\plain.lnk", memo = start + u"\\メモ帳.lnk",
             outside = start + u"\\𠀋ツール.lnk", special = start + u"\\special.lnk",
             site = start + u"\\site.url", deep = dir(u"start\\sub\\deeper") + u"\\深い.lnk",
             named = dir(u"start\\named") + u"\\tool.lnk",
             again = dir(u"start\\again") + u"\\plain.lnk", top = desk + u"\\top.lnk",
             coffee = start + u"\\カフェ.lnk";
  for (const Text* file : {&plain, &memo, &outside, &deep, &named, &top})
    makeShortcut(*file, program);
  makeShortcut(again, other);
  makeShortcut(coffee, cafe);  // its stored path loses the é; its item list keeps it
  makeShortcut(special);
  makeShortcut(start + u"\\gone.lnk", gone);
  DeleteFileW(wide(gone));
  wintest::writeFile(site, "[InternetShortcut]\r\nURL=https://example.com/\r\n");
  wintest::writeFile(start + u"\\broken.lnk", "not a shortcut");
  wintest::writeFile(start + u"\\long.url", "[InternetShortcut]\nURL=" + std::string(100'000, 'a'));
  wintest::writeFile(start + u"\\notes.txt", "");
  wintest::writeFile(start + u"\\named\\desktop.ini", "[.ShellClassInfo]\r\nInfoTip=tools\r\n");
  makeShortcut(dir(u"desk\\project") + u"\\inner.lnk", program);  // below a desktop's top
  makeShortcut(dir(u"start\\locked") + u"\\unread.lnk", program);
  // A folder another holds without sharing cannot be listed, as one the user
  // may not read.
  const FileHandle locked(CreateFileW(wide(start + u"\\locked"), GENERIC_READ, 0, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  ASSERT_TRUE(locked);

  const Win32InstalledPrograms programs({{start, true},
                                         {desk, false},
                                         {start + u"\\sub", true},  // seen twice, listed once
                                         {temp.file(u"missing"), true},
                                         {start + u"\\notes.txt", true}});
  const Programs expected = sorted({{u"plain", plain, program},
                                    {u"plain", again, other},
                                    {u"メモ帳", memo, program},
                                    {u"𠀋ツール", outside, program},
                                    {u"カフェ", coffee, cafe},
                                    {u"special", special},
                                    {u"site", site},
                                    {u"深い", deep, program},
                                    {u"tool", named, program},
                                    {u"top", top, program}});
  std::optional<Programs> preview;
  const auto scan = [&] {
    preview.reset();
    const std::atomic<bool> never{false};
    return sorted(
        programs.scan(never, [&](Programs first) { preview = sorted(std::move(first)); }));
  };
  EXPECT_EQ(scan(), expected);
  // Before any was read, the listing named every shortcut by its file, and
  // knew no file it starts.
  Programs listed = expected;
  for (InstalledProgram& p : listed) p.file.clear();
  listed.push_back({u"gone", start + u"\\gone.lnk"});
  listed.push_back({u"broken", start + u"\\broken.lnk"});
  listed.push_back({u"long", start + u"\\long.url"});
  EXPECT_EQ(preview, sorted(std::move(listed)));
  // Shortcuts remembered from the scan before still follow their files and
  // targets; only a rewritten one brings a first list again, without what
  // the scan before left out, with the files the scan before read.
  DeleteFileW(wide(other));
  makeShortcut(top, gone);
  Programs changed = expected;
  std::erase_if(changed,
                [&](const InstalledProgram& p) { return p.target == again || p.target == top; });
  EXPECT_EQ(scan(), changed);
  EXPECT_EQ(preview, expected);
  EXPECT_EQ(scan(), changed);
  EXPECT_FALSE(preview);
}

TEST_F(Win32InstalledProgramsTest, TheKnownFoldersAreScannedStartMenuWithSubfolders) {
  // The prefix's Start Menu and everyone's desktop: the user's desktop is the
  // Unix home folder under Wine, not the test's to write in.
  wchar_t programsFolder[MAX_PATH], publicDesktop[MAX_PATH];
  SHGetFolderPathW(nullptr, CSIDL_PROGRAMS, nullptr, 0, programsFolder);
  SHGetFolderPathW(nullptr, CSIDL_COMMON_DESKTOPDIRECTORY, nullptr, 0, publicDesktop);
  const Text folder = fromWide(programsFolder, wcslen(programsFolder)) + u"\\ピピット試験";
  const Text shortcut = folder + u"\\電卓.lnk";
  const Text site = fromWide(publicDesktop, wcslen(publicDesktop)) + u"\\ピピット試験.url";
  const Win32InstalledPrograms programs;
  const Programs before = sorted(programs.scan());
  ASSERT_TRUE(CreateDirectoryW(wide(folder), nullptr));
  makeShortcut(shortcut, program);
  wintest::writeFile(site, "[InternetShortcut]\r\nURL=https://example.com/\r\n");
  const Programs after = sorted(programs.scan());
  DeleteFileW(wide(shortcut));
  RemoveDirectoryW(wide(folder));
  DeleteFileW(wide(site));
  Programs added;
  std::set_difference(after.begin(), after.end(), before.begin(), before.end(),
                      std::back_inserter(added));
  EXPECT_EQ(added, sorted({{u"電卓", shortcut, program}, {u"ピピット試験", site}}));
}

TEST_F(Win32InstalledProgramsTest, TheWorkerScansAgainAfterAChangeAndStopsPromptly) {
  const Text folder = dir(u"start");
  const Win32InstalledPrograms programs({{folder, true}});
  std::mutex mutex;
  std::optional<Programs> last;
  const auto lastIs = [&](const Programs& expected) {
    return wintest::waitUntil([&] {
      const std::lock_guard lock(mutex);
      return last == expected;
    });
  };
  auto worker = std::make_unique<ProgramIndexThread>(
      programs,
      [&](Programs list, const std::vector<Reading>&) {
        const std::lock_guard lock(mutex);
        last = std::move(list);
      },
      ProgramIndexThread::OpenReadings(), 100ms);
  EXPECT_TRUE(lastIs({}));
  const Text added = dir(u"start\\new") + u"\\追加.lnk";
  makeShortcut(added, program);
  EXPECT_TRUE(lastIs({{u"追加", added, program}}));
  auto stopping = std::async(std::launch::async, [&] { worker.reset(); });
  EXPECT_EQ(stopping.wait_for(5s), std::future_status::ready);
}

}  // namespace
}  // namespace pipit::win32
