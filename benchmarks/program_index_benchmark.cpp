// Scanning for installed programs under Wine: 5 000 shortcuts in 100
// folders, set against what any scan must do at least in the same run:
// listing the folders, and opening and reading each shortcut once. A scan
// after a change reads only the shortcuts that changed; names are asked of
// the shell only in folders with a desktop.ini, whose cost the last row shows.
#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchReport.h"
#include "WinTestSupport.h"
#include "finding/FileNames.h"
#include "finding/NameFinder.h"
#include "finding/ProgramIndexThread.h"
#include "finding/ReadingTable.h"
#include "platform/win32/ComApartment.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32InstalledPrograms.h"

using namespace pipit;
using namespace pipit::win32;

namespace {

constexpr int kFolders = 100;
constexpr int kPerFolder = 50;
constexpr int kTargets = 50;

// Names as a Japanese Start Menu has them, half of them with kanji.
const TextView kStems[] = {u"電卓",
                           u"リモート デスクトップ接続",
                           u"Visual Studio Code",
                           u"メモ帳",
                           u"Mozilla Firefox",
                           u"秀丸エディタ",
                           u"コマンド プロンプト",
                           u"ペイント",
                           u"拡大鏡",
                           u"Windows PowerShell"};

Text number(int n) {
  const std::string digits = std::to_string(n);
  return Text(digits.begin(), digits.end());
}

// The floor: every file of the tree listed, and with `read`, each opened and
// read whole as well, listed and opened the way the scan does it.
int walk(const Text& tree, bool read) {
  int files = 0;
  std::vector<Text> pending{tree};
  std::vector<char> bytes(std::size_t{64} * 1024);
  while (!pending.empty()) {
    const Text folder = pending.back();
    pending.pop_back();
    WIN32_FIND_DATAW found;
    const HANDLE search =
        FindFirstFileExW(wide(folder + u"\\*"), FindExInfoBasic, &found, FindExSearchNameMatch,
                         nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) continue;
    do {
      const Text name = fromWide(found.cFileName, wcslen(found.cFileName));
      if (name == u"." || name == u"..") continue;
      Text path = folder;
      path.append(u"\\").append(name);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        pending.push_back(path);
        continue;
      }
      ++files;
      if (!read) continue;
      const FileHandle file(CreateFileW(
          wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
          OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
      DWORD got = 0;
      ReadFile(file.get(), bytes.data(), found.nFileSizeLow, &got, nullptr);
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  return files;
}

}  // namespace

int main() {
  const ComApartment com;
  const wintest::TempFolder temp;
  const Text targets = temp.file(u"targets"), tree = temp.file(u"tree");
  CreateDirectoryW(wide(targets), nullptr);
  CreateDirectoryW(wide(tree), nullptr);
  // Shortcuts to a few dozen programs, copied under 5 000 names: making each
  // through the shell would take most of the run.
  std::vector<Text> made;
  for (int i = 0; i < kTargets; ++i) {
    const Text target = targets + u"\\program" + number(i) + u".exe";
    wintest::writeFile(target, "MZ");
    made.push_back(targets + u"\\program" + number(i) + u".lnk");
    if (!wintest::saveShortcut(made.back(), target)) {
      std::fprintf(stderr, "could not save a shortcut\n");
      return 1;
    }
  }
  for (int f = 0; f < kFolders; ++f) {
    const Text folder = tree + u"\\folder" + number(f);
    CreateDirectoryW(wide(folder), nullptr);
    for (int i = 0; i < kPerFolder; ++i) {
      const Text copy = folder + u"\\" + Text(kStems[i % std::size(kStems)]) + u" " + number(f) +
                        u"-" + number(i) + u".lnk";
      CopyFileW(wide(made[(f * kPerFolder + i) % kTargets]), wide(copy), FALSE);
    }
  }
  const std::vector<ProgramFolder> folders{{tree, true}};
  std::size_t found = 0;

  const double listing = bench::bestOf(5, [&] { walk(tree, false); });
  const double reading = bench::bestOf(3, [&] { walk(tree, true); });
  // The list the folders give comes before the shortcuts are read: the
  // index can be searched from then on.
  double firstList = 1e300;
  const double first = bench::bestOf(3, [&] {
    const Win32InstalledPrograms programs(folders);
    const std::atomic<bool> never{false};
    const auto start = std::chrono::steady_clock::now();
    found = programs
                .scan(never,
                      [&](const std::vector<InstalledProgram>&) {
                        firstList =
                            std::min(firstList, std::chrono::duration<double, std::milli>(
                                                    std::chrono::steady_clock::now() - start)
                                                    .count());
                      })
                .size();
  });
  const Win32InstalledPrograms kept(folders);
  kept.scan();
  const double again = bench::bestOf(5, [&] { kept.scan(); });
  if (found != std::size_t{kFolders} * kPerFolder) {
    std::fprintf(stderr, "the scan found %zu shortcuts, not %d\n", found, kFolders * kPerFolder);
    return 1;
  }
  bench::reportRow("first list of 5 000 shortcuts, before they are read", firstList, "ms", listing,
                   "listing the folders");
  bench::reportRow("first scan of 5 000 shortcuts", first, "ms", reading,
                   "listing the folders and reading each shortcut");
  bench::reportRow("first scan of 5 000 shortcuts", first, "ms", listing, "listing the folders");
  bench::reportRow("scan again, shortcuts unchanged", again, "ms", listing, "listing the folders");

  // The index as the launcher makes it: the scan and the finder over its
  // names and file names; with readings, the table opened and each name
  // with kanji read as well.
  const Win32Files files;
  const auto index = [&](bool withReadings) {
    std::shared_ptr<const ReadingTable> table;
    if (withReadings) {
      auto mapped = files.map(files.programFolder() + u"\\..\\src\\readings.dat");
      if (mapped)
        table = std::make_shared<ReadingTable>(*ReadingTable::over(std::move(mapped.value())));
    }
    const Win32InstalledPrograms programs(folders);
    std::vector<InstalledProgram> list = programs.scan();
    std::vector<Reading> readings;
    if (table) {
      readings = programReadings(list, [&](TextView folded) { return table->readingOf(folded); });
    }
    std::vector<FindableName> names;
    for (std::size_t i = 0; i < list.size(); ++i) {
      names.push_back(
          {list[i].name, programFileNames(list[i]), i < readings.size() ? readings[i] : Reading()});
    }
    NameFinder finder;
    finder.setNames(std::move(names));
    return table != nullptr;
  };
  const double plainIndex = bench::bestOf(3, [&] { index(false); });
  bool read = false;
  const double readIndex = bench::bestOf(3, [&] { read = index(true); });
  if (!read) {
    std::fprintf(stderr, "readings.dat did not open beside the programs\n");
    return 1;
  }
  bench::reportRow("index of 5 000 shortcuts with kanji readings", readIndex, "ms", plainIndex,
                   "the same index without readings");

  // Every folder with a desktop.ini: each name is then asked of the shell.
  for (int f = 0; f < kFolders; ++f) {
    wintest::writeFile(tree + u"\\folder" + number(f) + u"\\desktop.ini",
                       "[.ShellClassInfo]\r\nInfoTip=programs\r\n");
  }
  const double named = bench::bestOf(1, [&] {
    const Win32InstalledPrograms programs(folders);
    programs.scan();
  });
  bench::reportRow("first scan of 5 000 shortcuts, names from the shell", named, "ms", first,
                   "the same without desktop.ini");
  return 0;
}
