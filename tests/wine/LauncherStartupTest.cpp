// The launcher's start-up and shutdown as a user meets them.
#include <gtest/gtest.h>

#include <regex>

#include "CharacterDriver.h"
#include "LauncherHarness.h"

namespace pipit::wintest {
namespace {

using Texts = std::vector<Text>;

const Texts kBanner = {
    u"**********************************************************",
    u"ピピットランチャー 1.03 (2011.11.25)",
    u"Copyright (C) 2011 ピピット工房 All rights reserved.",
    u"**********************************************************",
    u"メソッドを開始します。",
    u"設定を取得します。",
};

Texts concat(Texts a, const Texts& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(LauncherStartupTest, WithoutSettingsTheUserIsToldAndTheLauncherEnds) {
  for (const bool missing : {true, false}) {
    SCOPED_TRACE(missing ? "no config.txt" : "letters in PREF/TOP");
    LauncherInstall install;
    if (!missing) install.writeConfig(u"PREF/TOP\tabc\r\nPREF/LEFT\t0\r\n");
    install.start();
    const auto box = install.waitForMessageBox();
    ASSERT_TRUE(box.has_value()) << "no message box";
    EXPECT_EQ(box->title, u"設定読み込み失敗");
    EXPECT_EQ(box->prompt, u"設定の読み込みに失敗しました。プログラムを終了します。");
    EXPECT_EQ(install.logMessages(), kBanner) << "the error line waits for the box";
    EXPECT_TRUE(install.windows(kWindowClass).empty());
    install.clickOk(*box);
    EXPECT_EQ(install.waitForExit(), 1u);
    EXPECT_EQ(install.logMessages(),
              concat(kBanner, {missing ? u"設定取得エラー:53:ファイルが見つかりません。"
                                       : u"設定取得エラー:13:型が一致しません。"}));
    EXPECT_FALSE(fileExists(install.folder() + u"\\config.txt") && missing);
  }
}

TEST(LauncherStartupTest, ANormalStartAndCloseWritesOnlyTheForcedLinesAndSavesThePosition) {
  LauncherInstall install;
  install.writeConfig(
      u"# my settings\r\n"
      u"PREF/DEBUG_MODE\t0\r\n"
      u"PREF/TOP\t1500\r\n"
      u"PREF/LEFT\t3000\r\n"
      u"PREF/BACKGROUND_IMAGE\tback.gif\r\n"
      u"メモ帳\tnotepad.exe\r\n"
      u"[区切り線]\t\t\r\n");
  install.start();
  const HWND window = install.waitForWindow(kWindowClass);
  ASSERT_TRUE(window) << "the launcher window did not appear";
  RECT rect{};
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.left, 200);
  EXPECT_EQ(rect.top, 100);

  // The user drags the window elsewhere, then closes the launcher.
  SetWindowPos(window, nullptr, 321, 123, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(install.waitForExit(), 0u);

  EXPECT_EQ(
      install.logMessages(),
      concat(kBanner,
             {
                 u"非表示までの時間が指定されていないためデフォルト値2000ミリ秒をセットします",
                 u"設定を取得しました。",
                 u"デバッグモードでないため、以後ログは出力されません。",
                 u"プログラムを終了します。",
             }));
  // Every record starts with the Japanese general date format.
  const std::string first = toUtf8(splitLines(install.debugLog()).front());
  EXPECT_TRUE(
      std::regex_search(first, std::regex(R"(^\d{4}/\d{1,2}/\d{1,2} \d{1,2}:\d{2}:\d{2}\t)")))
      << first;

  EXPECT_EQ(install.config(),
            u"PREF/HIDDEN_MODE\t0\r\n"
            u"PREF/HIDDEN_DELAY\t2000\r\n"
            u"PREF/HOTKEY_MOD\t\r\n"
            u"PREF/HOTKEY_VALUE\t\r\n"
            u"PREF/GOOGLE_URL\t\r\n"
            u"PREF/GOOGLE_ENCODING\t\r\n"
            u"PREF/DEBUG_MODE\t0\r\n"
            u"PREF/NEWIE\t0\r\n"
            u"PREF/STYLE\t0\r\n"
            u"PREF/TOP\t1845\r\n"
            u"PREF/LEFT\t4815\r\n"
            u"メモ帳\tnotepad.exe\t\r\n"
            u"[区切り線]\t\t\r\n"
            u"\r\n");
  EXPECT_FALSE(fileExists(install.folder() + u"\\config.txt.new"));
}

TEST(LauncherStartupTest, DebugModeTracesStartAndShutdown) {
  LauncherInstall install;
  install.writeConfig(
      u"PREF/DEBUG_MODE\t1\r\nPREF/HIDDEN_DELAY\t100\r\nPREF/HOTKEY_MOD\tALT\r\nPREF/"
      u"HOTKEY_VALUE\tQ\r\n");
  install.start();
  const HWND window = install.waitForWindow(kWindowClass);
  ASSERT_TRUE(window);
  waitUntil([&] {
    const Texts log = install.logMessages();
    return std::find(log.begin(), log.end(), Text(u"フォームを初期化しました。")) != log.end();
  });
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(install.waitForExit(), 0u);
  const Texts log = install.logMessages();
  const Texts tail(log.end() - 7, log.end());
  EXPECT_EQ(tail[0], u"メソッドを開始します。");
  EXPECT_TRUE(startsWith(tail[1], u"フォームの位置を取得します："));
  EXPECT_EQ(
      Texts(tail.begin() + 2, tail.end()),
      (Texts{u"メソッドを開始します。", u"メソッドを完了しました。", u"フォームを最終化します。",
             u"フォームを最終化しました。", u"プログラムを終了します。"}))
      << "save, then take the windows down, then end";
  EXPECT_NE(std::find(log.begin(), log.end(), Text(u"フォームを初期化しました。")), log.end());
}

}  // namespace
}  // namespace pipit::wintest

namespace pipit::wintest {
namespace {

TEST(LauncherStartupTest, ASaveThatFailsAtCloseIsToldAndLoggedAndTheFileLeftAsItIs) {
  LauncherInstall install;
  const Text settings =
      u"PREF/DEBUG_MODE\t0\r\nPREF/HOTKEY_MOD\tCTRL\r\nPREF/HOTKEY_VALUE\tQ\r\nkeep\tme.exe\r\n";
  install.writeConfig(settings);
  const Text path = install.folder() + u"\\config.txt";
  SetFileAttributesW(win32::wide(path), FILE_ATTRIBUTE_READONLY);
  install.start();
  const HWND window = install.waitForWindow(kWindowClass);
  ASSERT_TRUE(window);
  PostMessageW(window, WM_CLOSE, 0, 0);
  const auto box = install.waitForMessageBox();
  ASSERT_TRUE(box.has_value());
  EXPECT_NE(box->prompt.find(u"書き込みできません。\r\n" + path), Text::npos)
      << toUtf8(box->prompt);
  install.clickOk(*box);
  EXPECT_EQ(install.waitForExit(), 0u);
  EXPECT_EQ(install.config(), settings);
  const Texts log = install.logMessages();
  EXPECT_EQ(Texts(log.end() - 2, log.end()),
            (Texts{u"設定保存エラー:70:書き込みできません。", u"プログラムを終了します。"}));
}

TEST(LauncherStartupTest, ALogoffEndsHerAsACloseDoesWithoutAsking) {
  LauncherInstall install;
  install.writeConfig(u"PREF/DEBUG_MODE\t0\r\nPREF/TOP\t1500\r\nPREF/LEFT\t3000\r\n");
  install.start();
  const HWND window = install.waitForWindow(kWindowClass);
  ASSERT_TRUE(window);
  SetWindowPos(window, nullptr, 321, 123, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  DWORD_PTR answer = 0;
  ASSERT_TRUE(SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_BLOCK,
                                  5000, &answer));
  EXPECT_EQ(answer, TRUE);
  PostMessageW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  EXPECT_EQ(install.waitForExit(), 0u);
  EXPECT_NE(install.config().find(u"PREF/TOP\t1845\r\nPREF/LEFT\t4815\r\n"), Text::npos);
  EXPECT_EQ(install.logMessages().back(), u"プログラムを終了します。");
}

TEST(LauncherStartupTest, ASecondStartShowsTheRunningLauncherAndEnds) {
  LauncherInstall install;
  install.writeConfig(u"PREF/DEBUG_MODE\t0\r\nPREF/HOTKEY_MOD\tCTRL\r\nPREF/HOTKEY_VALUE\tQ\r\n");
  install.start();
  const HWND window = install.waitForWindow(kWindowClass);
  ASSERT_TRUE(window);
  ShowWindow(window, SW_HIDE);  // as Escape leaves her
  ASSERT_TRUE(waitUntil([&] { return !IsWindowVisible(window); }));
  EXPECT_EQ(install.startAgain(), 0u);
  EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(window) != FALSE; }));
  EXPECT_EQ(install.windows(kWindowClass).size(), 1u);
}

// Settings from other editors, and names no ANSI code page holds, come
// through a save and a restart as the user wrote them.
TEST(LauncherStartupTest, AFileFromAnotherEditorIsReadAsItLooksAndSavedWhole) {
  LauncherInstall install;
  install.writeConfigBytes(
      toUtf8(u"PREF/DEBUG_MODE\t0\nPREF/HOTKEY_MOD\tCTRL\nPREF/HOTKEY_VALUE\tQ\n"
             u"PREF/GOOGLE_URL\thttps://search.example/?q=\nPREF/TOP\t1500\nPREF/LEFT\t3000\n"
             u"メモ帳\tnotepad.exe\n"));
  install.start();
  const HWND window = install.waitForWindow(kWindowClass);
  ASSERT_TRUE(window);
  RECT rect{};
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.left, 200);
  EXPECT_EQ(rect.top, 100);
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(install.waitForExit(), 0u);
  const Text saved = install.config();
  EXPECT_NE(saved.find(u"PREF/HOTKEY_MOD\tCTRL\r\nPREF/HOTKEY_VALUE\tQ\r\n"
                       u"PREF/GOOGLE_URL\thttps://search.example/?q=\r\n"),
            Text::npos)
      << toUtf8(saved);
  EXPECT_NE(saved.find(u"\r\nメモ帳\tnotepad.exe\t\r\n"), Text::npos) << "Shift-JIS again";
}

TEST(LauncherStartupTest, APathOutsideShiftJisSurvivesSaveRestartAndStart) {
  LauncherInstall install;
  const Text recorded = install.installRecorder();
  const Text folder = install.folder() + u"\\😀한";
  CreateDirectoryW(win32::wide(folder), nullptr);
  CopyFileW(win32::wide(install.folder() + u"\\recorder.exe"),
            win32::wide(Text(folder + u"\\rec.exe")), FALSE);
  const Text row = u"絵文字\t" + folder + u"\\rec.exe|smile\t" + folder + u"\r\n";
  install.writeConfigBytes(std::string("\xEF\xBB\xBF") +
                           toUtf8(u"PREF/DEBUG_MODE\t0\r\nPREF/TOP\t0\r\nPREF/LEFT\t0\r\n" + row));
  for (int run = 0; run < 2; ++run) {
    install.start();
    const Character her(install.waitForWindow(kWindowClass));
    ASSERT_TRUE(her.window);
    if (run == 1) {
      her.send(u"絵文字");
      ASSERT_TRUE(waitUntil([&] { return fileExists(recorded); }));
      EXPECT_NE(readFile(recorded).find(std::string(reinterpret_cast<const char*>(u"smile"), 10)),
                std::string::npos);
    }
    PostMessageW(her.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(install.waitForExit(), 0u);
    const std::string bytes = install.configBytes();
    EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(fromUtf8(bytes).find(row), Text::npos) << bytes;
  }
}

}  // namespace
}  // namespace pipit::wintest

namespace pipit::wintest {
namespace {

// No model; her balloon removed, its set for 150 % left; main.gif, which her
// model names, with a sound header and data that does not decode.
TEST(LauncherStartupTest, WithoutHerModelOrAPictureTheUserIsToldAndNothingIsSaved) {
  const std::string damaged("GIF89a\1\0\1\0\0\0\0,\0\0\0\0\1\0\1\0\0\2\1\xFF\0;", 28);
  const struct {
    const char16_t *picture, *title, *line;
    DWORD dpi;
    bool damaged;  // else removed
  } rows[] = {{nullptr, u"モデル読み込み失敗", u"モデル取得エラー:53:", 96, false},
              {u"balloon_user.gif", u"メインフォーム初期化失敗", u"メインフォーム初期化エラー:53:",
               144, false},
              {u"main.gif", u"モデル読み込み失敗", u"モデル取得エラー:481:", 96, true}};
  for (const auto& row : rows) {
    SCOPED_TRACE(toUtf8(row.line));
    const ScreenScale scale(row.dpi);
    LauncherInstall install(/*withModels=*/row.picture != nullptr);
    const Text settings = u"PREF/DEBUG_MODE\t0\r\nPREF/TOP\t0\r\nPREF/LEFT\t0\r\n";
    install.writeConfig(settings);
    const Text picture = install.folder() + u"\\model\\" + (row.picture ? row.picture : u"");
    if (row.damaged) writeFile(picture, damaged);
    if (row.picture && !row.damaged) {
      ASSERT_TRUE(DeleteFileW(win32::wide(picture)));
    }
    install.start();
    const auto box = install.waitForMessageBox();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->title, row.title);
    EXPECT_TRUE(box->prompt.ends_with(u"に失敗しました。プログラムを終了します。"));
    install.clickOk(*box);
    EXPECT_EQ(install.waitForExit(), 1u);
    EXPECT_TRUE(startsWith(install.logMessages().back(), row.line))
        << toUtf8(install.logMessages().back());
    EXPECT_EQ(install.config(), settings);
  }
}

TEST(LauncherStartupTest, BothStylesLoadTheirModelAndGreetTheUser) {
  for (const bool simple : {false, true}) {
    SCOPED_TRACE(simple ? "simple style" : "character style");
    LauncherInstall install;
    install.writeConfig(simple ? u"PREF/STYLE\t1\r\nPREF/DEBUG_MODE\t1\r\n"
                               : u"PREF/STYLE\t0\r\nPREF/DEBUG_MODE\t1\r\n");
    // The launcher runs from another working directory, as at logon: her
    // pictures are found beside the program all the same.
    install.start();
    const HWND window = install.waitForWindow(kWindowClass);
    ASSERT_TRUE(window);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_GT(client.bottom, 64) << "the window holds her picture";
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(install.waitForExit(), 0u);
    const Text log = install.debugLog();
    EXPECT_NE(log.find(simple ? u"model_simple\\model.conf" : u"model\\model.conf"), Text::npos);
  }
}

}  // namespace
}  // namespace pipit::wintest
