// Finding a command word as the user types, in the real launcher: the input
// box's list narrows and opens while the typed text stays as typed.
#include <gtest/gtest.h>
#include <shlobj.h>

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

// Programs in the Start Menu, registered nowhere: found by kana and romaji
// after the command words, started with Down and Enter, offered as a new
// command with F2, and put first by the starts counted in usage.txt, which
// a restart keeps.
TEST(FindAsYouTypeTest, StartMenuProgramsAreFoundStartedOfferedAndLearned) {
  LauncherInstall install;
  const Text recorded = install.installRecorder();
  install.writeConfig(
      u"PREF/HIDDEN_MODE\t1\r\nPREF/HIDDEN_DELAY\t0\r\nPREF/HOTKEY_MOD\tCTRL\r\n"
      u"PREF/HOTKEY_VALUE\tQ\r\nPREF/TOP\t1500\r\nPREF/LEFT\t1500\r\n"
      u"ピピット\trecorder.exe|word\t\r\n");
  const win32::ComApartment com;
  wchar_t* programs = nullptr;
  ASSERT_HRESULT_SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Programs, 0, nullptr, &programs));
  const win32::CoTaskMemory<wchar_t> ownedPath(programs);
  const TempFolder startMenu(win32::fromWide(programs, wcslen(programs)));
  const Text recorder = install.folder() + u"\\recorder.exe";
  const Text cafe = startMenu.file(u"Caféピピット.lnk");  // é is not in code page 932
  ASSERT_TRUE(saveShortcut(startMenu.file(u"ピピットメモ.lnk"), recorder, u"memo"));
  ASSERT_TRUE(saveShortcut(startMenu.file(u"ピピット電卓.lnk"), recorder, u"calc"));
  ASSERT_TRUE(saveShortcut(cafe, recorder, u"café"));
  const auto recordedArguments = [&] {
    if (!waitUntil([&] { return fileExists(recorded); })) return Text(u"(nothing)");
    const std::string bytes = readFile(recorded);
    DeleteFileW(win32::wide(recorded));
    const Text text(reinterpret_cast<const char16_t*>(bytes.data()), bytes.size() / 2);
    return text.substr(0, text.find(u'\n'));
  };

  install.start();
  Character her(install.waitForWindow(kWindowClass));
  ASSERT_TRUE(her.window && her.combo && her.input);
  her.type(u"ぴぴっと");
  const std::vector<Text> listed{u"ピピット", u"ピピットメモ 〈プログラム〉",
                                 u"ピピット電卓 〈プログラム〉", u"Caféピピット 〈プログラム〉"};
  ASSERT_TRUE(waitUntil([&] { return listOf(her.combo) == listed && dropped(her.combo); }))
      << toUtf8(listOf(her.combo).back());
  for (int i = 0; i < 3; ++i) her.press(VK_DOWN);
  ASSERT_TRUE(waitUntil([&] { return textOf(her.combo) == listed[2]; }));
  her.press(VK_RETURN);
  EXPECT_EQ(recordedArguments(), u"calc");
  ASSERT_TRUE(waitUntil([&] { return !her.visible(); }));

  // Romaji; the program started comes first among the programs now.
  PostMessageW(her.window, WM_HOTKEY, 0, MAKELPARAM(MOD_CONTROL, 'Q'));
  ASSERT_TRUE(waitUntil([&] { return her.visible(); }));
  her.type(u"pipitto");
  const std::vector<Text> learned{listed[0], listed[2], listed[1], listed[3]};
  // Down goes through the rows whether the list is still open or not: the
  // program just started may have taken the focus from her for a moment.
  ASSERT_TRUE(waitUntil([&] { return listOf(her.combo) == learned; }));
  for (int i = 0; i < 4; ++i) her.press(VK_DOWN);
  ASSERT_TRUE(waitUntil([&] { return textOf(her.combo) == listed[3]; }));
  her.press(VK_F2);
  const HWND dialog = install.waitForWindow(L"PipitConfigForm");
  ASSERT_TRUE(dialog);
  EXPECT_EQ(textOf(GetDlgItem(dialog, configform::kCommandText)), u"Caféピピット");
  EXPECT_EQ(textOf(GetDlgItem(dialog, configform::kPathText)), cafe);
  PostMessageW(dialog, WM_CLOSE, 0, 0);

  // The name outside the code page starts as it reads.
  PostMessageW(her.window, WM_HOTKEY, 0, MAKELPARAM(MOD_CONTROL, 'Q'));
  ASSERT_TRUE(waitUntil([&] { return her.visible(); }));
  her.type(u"caf");
  ASSERT_TRUE(waitUntil([&] { return listOf(her.combo) == std::vector<Text>{listed[3]}; }));
  her.press(VK_DOWN);
  ASSERT_TRUE(waitUntil([&] { return textOf(her.combo) == listed[3]; }));
  her.press(VK_RETURN);
  EXPECT_EQ(recordedArguments(), u"café");

  // The counts outlive her.
  PostMessageW(her.window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(install.waitForExit());
  install.start();
  her = Character(install.waitForWindow(kWindowClass));
  her.type(u"ぴぴっと");
  // The two started once come before the one never started, in either
  // order: a minute may have passed between their starts.
  EXPECT_TRUE(waitUntil([&] {
    const std::vector<Text> now = listOf(her.combo);
    return now.size() == 4 && now[0] == listed[0] && now[3] == listed[1];
  }));
}

}  // namespace
}  // namespace pipit::wintest
