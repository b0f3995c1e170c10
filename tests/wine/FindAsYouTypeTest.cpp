// Finding a command word as the user types, in the real launcher: the input
// box's list narrows and opens while the typed text stays as typed.
#include <gtest/gtest.h>

#include <vector>

#include "CharacterDriver.h"
#include "LauncherHarness.h"

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

}  // namespace
}  // namespace pipit::wintest
