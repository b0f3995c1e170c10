// Finding a command word as the user types, in the real launcher: the input
// box's list narrows and opens while the typed text stays as typed.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <algorithm>
#include <vector>

#include "CharacterDriver.h"
#include "LauncherHarness.h"
#include "platform/win32/CoTaskMemory.h"
#include "platform/win32/ComApartment.h"
#include "settings/ConfigFormLayout.h"

namespace pipit::wintest {
namespace {

std::vector<Text> listOf(HWND combo) {
  std::vector<Text> items;
  const auto count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t buffer[256] = {};
    if (SendMessageW(combo, CB_GETLBTEXTLEN, i, 0) < 256) {
      SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer));
    }
    items.push_back(win32::fromWide(buffer, wcslen(buffer)));
  }
  return items;
}

bool dropped(HWND combo) { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }

// The user's Start Menu programs folder, where a test puts a folder of its
// own. Needs COM.
Text startMenuPrograms() {
  wchar_t* programs = nullptr;
  if (FAILED(SHGetKnownFolderPath(FOLDERID_Programs, 0, nullptr, &programs))) {
    ADD_FAILURE() << "no Start Menu programs folder";
    return Text();
  }
  const win32::CoTaskMemory<wchar_t> owned(programs);
  return win32::fromWide(programs, wcslen(programs));
}

TEST(FindAsYouTypeTest, KanaAndRomajiNarrowTheListAndDownPicksAWordToRun) {
  LauncherInstall install;
  const Text recorded = install.installRecorder();
  install.writeConfig(
      u"PREF/HIDDEN_MODE\t1\r\nPREF/HIDDEN_DELAY\t0\r\nPREF/HOTKEY_MOD\tCTRL\r\n"
      u"PREF/HOTKEY_VALUE\tQ\r\nPREF/TOP\t1500\r\nPREF/LEFT\t1500\r\n"
      u"ゴミメモ\trecorder.exe|trash\t\r\n[区切り線]\t\t\r\nメモ帳\trecorder.exe|notepad\t\r\n"
      u"メール\trecorder.exe|mail\t\r\n");
  install.start();
  const Character her(install.waitForWindow(kWindowClass));
  ASSERT_TRUE(her.window && her.combo && her.input);
  ASSERT_TRUE(waitUntil([&] { return !textOf(her.line).empty(); }));
  const std::vector<Text> all{u"ゴミメモ", u"メモ帳", u"メール"};
  EXPECT_EQ(listOf(her.combo), all);

  her.type(u"めも");
  ASSERT_TRUE(waitUntil([&] { return textOf(her.combo) == u"めも"; }));
  ASSERT_TRUE(waitUntil([&] { return dropped(her.combo); }));
  EXPECT_EQ(listOf(her.combo), (std::vector<Text>{u"メモ帳", u"ゴミメモ"}));
  DWORD start = 0, end = 0;
  SendMessageW(her.combo, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 2u) << "the caret stays after what was typed, nothing selected";
  EXPECT_EQ(end, 2u);

  // Down moves into the list; Enter runs the word it put in the box.
  her.press(VK_DOWN);
  ASSERT_TRUE(waitUntil([&] { return textOf(her.combo) == u"メモ帳"; }))
      << toUtf8(textOf(her.combo));
  her.press(VK_RETURN);
  ASSERT_TRUE(waitUntil([&] { return fileExists(recorded); }));
  EXPECT_EQ(readFile(recorded).substr(0, 14),
            std::string(reinterpret_cast<const char*>(u"notepad"), 14));
  ASSERT_TRUE(waitUntil([&] { return !her.visible(); }));
  EXPECT_EQ(listOf(her.combo), all);

  // Romaji finds it too; Enter sends what was typed, not the row.
  PostMessageW(her.window, WM_HOTKEY, 0, MAKELPARAM(MOD_CONTROL, 'Q'));
  ASSERT_TRUE(waitUntil([&] { return her.visible(); }));
  her.type(u"memo");
  ASSERT_TRUE(waitUntil([&] { return textOf(her.combo) == u"memo" && dropped(her.combo); }));
  EXPECT_EQ(listOf(her.combo), (std::vector<Text>{u"メモ帳", u"ゴミメモ"}));
  her.press(VK_RETURN);
  ASSERT_TRUE(waitUntil([&] { return textOf(her.combo) == u"?memo"; }))
      << toUtf8(textOf(her.combo));
  EXPECT_FALSE(dropped(her.combo));
  // Her "?" is not typed: opening the list offers every word.
  her.press(VK_F4);
  ASSERT_TRUE(waitUntil([&] { return dropped(her.combo); }));
  EXPECT_EQ(listOf(her.combo), all);
  her.press(VK_F4);

  // A box that starts like a row is still not completed from it, although
  // the combo box does so when its list drops; Escape then empties the box
  // and hides her, the list closed and whole again.
  SetWindowTextW(her.combo, L"");
  her.type(u"メー");
  ASSERT_TRUE(waitUntil([&] { return listOf(her.combo) == std::vector<Text>{u"メール"}; }));
  EXPECT_EQ(textOf(her.combo), u"メー");
  SendMessageW(her.combo, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(end - start, 0u);
  // Deleting it all gives the whole list back, closed.
  her.press(VK_BACK);
  her.press(VK_BACK);
  ASSERT_TRUE(waitUntil([&] { return listOf(her.combo) == all; }));
  EXPECT_FALSE(dropped(her.combo));
  // A keystroke that keeps the list leaves no row highlighted either: Down
  // still goes to the first row.
  her.type(u"ゴミ");
  ASSERT_TRUE(waitUntil([&] { return textOf(her.combo) == u"ゴミ" && dropped(her.combo); }));
  her.press(VK_DOWN);
  ASSERT_TRUE(waitUntil([&] { return textOf(her.combo) == u"ゴミメモ"; }))
      << toUtf8(textOf(her.combo));
  her.press(VK_ESCAPE);
  ASSERT_TRUE(waitUntil([&] { return !her.visible(); }));
  EXPECT_FALSE(dropped(her.combo));
  EXPECT_EQ(textOf(her.combo), u"");
  EXPECT_EQ(listOf(her.combo), all);
}

// Programs in the Start Menu, registered nowhere: found by kana after the
// command words, started with Down and Enter, offered as a new command with
// F2, and put first for the text they were chosen for by usage.txt, which a
// restart keeps.
TEST(FindAsYouTypeTest, StartMenuProgramsAreFoundStartedOfferedAndLearned) {
  LauncherInstall install;
  const Text recorded = install.installRecorder();
  install.writeConfig(
      u"PREF/HIDDEN_MODE\t1\r\nPREF/HIDDEN_DELAY\t0\r\nPREF/HOTKEY_MOD\tCTRL\r\n"
      u"PREF/HOTKEY_VALUE\tQ\r\nピピット\trecorder.exe|word\t\r\n");
  const win32::ComApartment com;
  const TempFolder startMenu(startMenuPrograms());
  const Text memo = startMenu.file(u"ピピットメモ.lnk");
  ASSERT_TRUE(saveShortcut(memo, install.folder() + u"\\recorder.exe", u"memo"));
  // é is not in code page 932, in its name nor in its target's.
  const Text cafe = install.folder() + u"\\Café.exe";
  ASSERT_TRUE(
      CopyFileW(win32::wide(install.folder() + u"\\recorder.exe"), win32::wide(cafe), FALSE));
  ASSERT_TRUE(saveShortcut(startMenu.file(u"Caféピピット.lnk"), cafe, u"café"));
  const Text word = u"ピピット", memoRow = u"ピピットメモ", cafeRow = u"Caféピピット";

  install.start();
  Character her(install.waitForWindow(kWindowClass));
  her.type(u"ぴぴっと");
  ASSERT_TRUE(waitUntil([&] {
    return listOf(her.combo) == std::vector<Text>{word, memoRow, cafeRow} && dropped(her.combo);
  }));
  for (int row = 0; row <= 2; ++row) her.press(VK_DOWN);
  ASSERT_TRUE(waitUntil([&] { return textOf(her.combo) == cafeRow; }));
  her.press(VK_RETURN);
  ASSERT_TRUE(waitUntil([&] { return fileExists(recorded); }));
  EXPECT_EQ(readFile(recorded).substr(0, 8),
            std::string(reinterpret_cast<const char*>(u"café"), 8));
  ASSERT_TRUE(waitUntil([&] { return !her.visible(); }));

  // The same text in half-width kana: the program chosen for it comes first
  // among the programs now, although it matches only at a later word. Down
  // goes through the rows whether the list is open or not: the program just
  // started may have taken the focus from her for a moment.
  const std::vector<Text> learned{word, cafeRow, memoRow};
  PostMessageW(her.window, WM_HOTKEY, 0, MAKELPARAM(MOD_CONTROL, 'Q'));
  ASSERT_TRUE(waitUntil([&] { return her.visible(); }));
  her.type(u"ﾋﾟﾋﾟｯﾄ");
  ASSERT_TRUE(waitUntil([&] { return listOf(her.combo) == learned; }));
  for (int row = 0; row <= 2; ++row) her.press(VK_DOWN);
  ASSERT_TRUE(waitUntil([&] { return textOf(her.combo) == memoRow; }));
  her.press(VK_F2);
  const HWND dialog = install.waitForWindow(L"PipitConfigForm");
  ASSERT_TRUE(dialog);
  const HWND command = GetDlgItem(dialog, configform::kCommandText);
  EXPECT_EQ(textOf(command), u"ピピットメモ");
  DWORD from = 1, to = 0;
  SendMessageW(command, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
  EXPECT_EQ(to - from, 6u) << "typing replaces the name offered";
  EXPECT_EQ(textOf(GetDlgItem(dialog, configform::kPathText)), memo);

  // The count outlives her.
  PostMessageW(her.window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(install.waitForExit());
  install.start();
  her = Character(install.waitForWindow(kWindowClass));
  her.type(u"ぴぴっと");
  EXPECT_TRUE(waitUntil([&] { return listOf(her.combo) == learned; }));
}

// Start Menu programs found by what people type: the initials of a name, the
// file a shortcut starts, a name with a slip in it and a kanji name by its
// reading; and a row chosen once for a text comes first for that text, after
// a restart too.
TEST(FindAsYouTypeTest, InitialsFileNamesSlipsAndReadingsFindProgramsAndAChoiceIsKept) {
  LauncherInstall install;
  const Text recorded = install.installRecorder();
  install.writeConfig(
      u"PREF/HIDDEN_MODE\t1\r\nPREF/HIDDEN_DELAY\t0\r\nPREF/HOTKEY_MOD\tCTRL\r\n"
      u"PREF/HOTKEY_VALUE\tQ\r\n");
  const win32::ComApartment com;
  const TempFolder startMenu(startMenuPrograms());
  const auto addProgram = [&](const Text& name, const Text& file, const Text& argument) {
    const Text target = install.folder() + u"\\" + file;
    ASSERT_TRUE(
        CopyFileW(win32::wide(install.folder() + u"\\recorder.exe"), win32::wide(target), FALSE));
    ASSERT_TRUE(saveShortcut(startMenu.file(name + u".lnk"), target, argument));
  };
  addProgram(u"Visual Studio Code", u"Code.exe", u"code");
  addProgram(u"メモ帳", u"notepad.exe", u"notepad");
  addProgram(u"Notes", u"notes.exe", u"notes");
  addProgram(u"Mozilla Firefox", u"firefox.exe", u"firefox");
  addProgram(u"電卓", u"calc.exe", u"calc");

  install.start();
  Character her(install.waitForWindow(kWindowClass));
  const auto rowsFor = [&](const Text& typed, std::size_t rows) {
    SetWindowTextW(her.combo, L"");
    her.type(typed);
    EXPECT_TRUE(waitUntil([&] {
      return textOf(her.combo) == typed && listOf(her.combo).size() == rows && dropped(her.combo);
    })) << toUtf8(typed);
    return listOf(her.combo);
  };
  const Text notes = u"Notes", memo = u"メモ帳";
  EXPECT_EQ(rowsFor(u"vsc", 1).front(), u"Visual Studio Code");
  EXPECT_EQ(rowsFor(u"notepad", 1).front(), memo);
  EXPECT_EQ(rowsFor(u"firfox", 1).front(), u"Mozilla Firefox");
  EXPECT_EQ(rowsFor(u"dentaku", 1).front(), u"電卓");
  EXPECT_EQ(rowsFor(u"でんたく", 1).front(), u"電卓");

  // "note" begins Notes, and is only the file behind メモ帳: chosen once
  // for it, メモ帳 comes first for it.
  EXPECT_EQ(rowsFor(u"note", 2), (std::vector<Text>{notes, memo}));
  her.press(VK_DOWN);
  her.press(VK_DOWN);
  ASSERT_TRUE(waitUntil([&] { return textOf(her.combo) == memo; }));
  her.press(VK_RETURN);
  ASSERT_TRUE(waitUntil([&] { return fileExists(recorded); }));
  EXPECT_EQ(readFile(recorded).substr(0, 14),
            std::string(reinterpret_cast<const char*>(u"notepad"), 14));
  ASSERT_TRUE(waitUntil([&] { return !her.visible(); }));
  PostMessageW(her.window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(install.waitForExit());
  install.start();
  her = Character(install.waitForWindow(kWindowClass));
  EXPECT_EQ(rowsFor(u"note", 2), (std::vector<Text>{memo, notes}));
  EXPECT_EQ(rowsFor(u"not", 2), (std::vector<Text>{notes, memo})) << "for that text only";
}

// Ends the processes of that name that `parent` started; how many.
int endChildren(DWORD parent, const wchar_t* name) {
  int ended = 0;
  const win32::FileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
       more = Process32NextW(snapshot.get(), &entry)) {
    if (entry.th32ParentProcessID != parent || _wcsicmp(entry.szExeFile, name) != 0) continue;
    const win32::ObjectHandle child(OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID));
    ended += child && TerminateProcess(child.get(), 0);
  }
  return ended;
}

// The text on the clipboard, or nothing.
Text clipboardText() {
  Text text;
  for (int attempt = 0; attempt < 50 && !OpenClipboard(nullptr); ++attempt) Sleep(20);
  if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = win32::fromWide(chars, wcslen(chars));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

// A program's row chosen: its name alone goes into the box; its path is
// copied with Ctrl+Shift+C and its folder opened with Ctrl+Enter. The
// calculator's answer comes as she is typed to and goes on the clipboard
// with Enter; emptying the recycle bin asks first, and No leaves it. She
// stays shown throughout, so the keys of a chord all come to her.
TEST(FindAsYouTypeTest, RowActionsTheCalculatorAndASystemCommandThatAsks) {
  LauncherInstall install;
  install.installRecorder();
  install.writeConfig(
      u"PREF/DEBUG_MODE\t1\r\nPREF/HIDDEN_MODE\t0\r\nPREF/HIDDEN_DELAY\t0\r\n"
      u"PREF/HOTKEY_MOD\tCTRL\r\nPREF/HOTKEY_VALUE\tQ\r\n");
  const win32::ComApartment com;
  const TempFolder startMenu(startMenuPrograms());
  const Text tool = install.folder() + u"\\tool.exe";
  ASSERT_TRUE(
      CopyFileW(win32::wide(install.folder() + u"\\recorder.exe"), win32::wide(tool), FALSE));
  ASSERT_TRUE(saveShortcut(startMenu.file(u"ピピット道具.lnk"), tool));

  install.start();
  Character her(install.waitForWindow(kWindowClass));
  const auto choose = [&] {
    SetWindowTextW(her.combo, L"");
    her.type(u"ぴぴっと");
    ASSERT_TRUE(waitUntil([&] {
      return listOf(her.combo) == std::vector<Text>{u"ピピット道具"} && dropped(her.combo);
    }));
    her.press(VK_DOWN);
    ASSERT_TRUE(waitUntil([&] { return textOf(her.combo) == u"ピピット道具"; }))
        << toUtf8(textOf(her.combo));
  };
  choose();
  her.chord({VK_CONTROL, VK_SHIFT, 'C'});
  EXPECT_TRUE(waitUntil([&] { return clipboardText() == tool; })) << toUtf8(clipboardText());

  SetWindowTextW(her.combo, L"");
  her.type(u"=2^10");
  ASSERT_TRUE(waitUntil([&] {
    const std::vector<Text> rows = listOf(her.combo);
    return !rows.empty() && rows.front() == u"= 1,024";
  }));
  her.press(VK_RETURN);
  EXPECT_TRUE(waitUntil([&] { return clipboardText() == u"1024"; })) << toUtf8(clipboardText());
  EXPECT_TRUE(waitUntil([&] { return textOf(her.line).find(u"1024") != Text::npos; }))
      << toUtf8(textOf(her.line));
  EXPECT_TRUE(her.visible()) << "she stays, so that the answer can be read";

  choose();
  her.chord({VK_CONTROL, VK_RETURN});
  EXPECT_TRUE(waitUntil([&] {
    const std::vector<Text> log = install.logMessages();
    return std::find(log.begin(), log.end(), u"フォルダーを開きます：" + tool) != log.end();
  }));
  // The Explorer she started would outlive the test, holding its output and
  // taking the keyboard from the tests after it. Her log line comes before
  // the shell's call: wait for it to have started.
  EXPECT_TRUE(waitUntil([&] { return endChildren(install.processId(), L"explorer.exe") > 0; },
                        std::chrono::seconds(10)));

  SetWindowTextW(her.combo, L"");
  her.type(u"ごみ");
  ASSERT_TRUE(
      waitUntil([&] { return listOf(her.combo) == std::vector<Text>{u"ごみ箱を空にする"}; }));
  her.press(VK_DOWN);
  ASSERT_TRUE(waitUntil([&] { return textOf(her.combo) == u"ごみ箱を空にする"; }));
  her.press(VK_RETURN);
  const std::optional<MessageBoxView> box = install.waitForMessageBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->prompt, u"ごみ箱を空にしますか？元には戻せません。");
  answer(*box, IDNO);
  EXPECT_TRUE(waitUntil([&] { return !IsWindow(box->window); }));
  EXPECT_EQ(textOf(her.line).find(u"ごみ箱を空にする します"), Text::npos) << "nothing was done";
}

}  // namespace
}  // namespace pipit::wintest
