// The settings dialog of the running launcher: opened by keyword and by a
// dropped file, saving rows, the logon start and the style, and a save that
// cannot be written.
#include <windows.h>

#include <gtest/gtest.h>
#include <shlobj.h>

#include <vector>

#include "CaptionCheck.h"
#include "CharacterDriver.h"
#include "LauncherHarness.h"
#include "settings/ConfigFormLayout.h"

namespace pipit::wintest {
namespace {

using namespace configform;

constexpr wchar_t kDialogClass[] = L"PipitConfigForm";
constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr TextView kSettings =
    u"PREF/HIDDEN_MODE\t0\r\nPREF/HIDDEN_DELAY\t1234\r\nPREF/HOTKEY_MOD\tCTRL\r\n"
    u"PREF/HOTKEY_VALUE\tQ\r\nPREF/GOOGLE_URL\thttps://search.example/?q=\r\n"
    u"PREF/GOOGLE_ENCODING\tUTF-8\r\nPREF/TOP\t1500\r\nPREF/LEFT\t1500\r\n"
    u"せってい\t$PPTK_EDIT\t\r\nメモ帳\tnotepad.exe\t\r\n";

bool runValueExists() {
  return RegGetValueW(HKEY_CURRENT_USER, kRunKey, L"ピピットランチャー", RRF_RT_REG_SZ, nullptr,
                      nullptr, nullptr) == ERROR_SUCCESS;
}

class SettingsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"ピピットランチャー");
    install.writeConfig(kSettings);
    install.start();
    her = Character(install.waitForWindow(kWindowClass));
    ASSERT_TRUE(her.window);
  }
  void TearDown() override {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"ピピットランチャー");
  }

  HWND openDialog() {
    her.enter(u"せってい");
    return dialog = install.waitForWindow(kDialogClass);
  }
  HWND item(int id) const { return GetDlgItem(dialog, id); }
  void click(int id) const {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(item(id)));
  }
  void setText(int id, const wchar_t* text) const {
    SendMessageW(item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  }
  bool savedWith(TextView text) const {
    return waitUntil([&] { return install.config().find(text) != Text::npos; });
  }

  LauncherInstall install;
  Character her;
  HWND dialog = nullptr;
};

TEST_F(SettingsDialogTest, ANewRowAndTheLogonStartAreSavedAndTheWindowFollows) {
  ASSERT_TRUE(openDialog());
  EXPECT_EQ(textOf(dialog), u"ピピットランチャーの設定");
  EXPECT_EQ(SendMessageW(item(kCommandList), LB_GETCOUNT, 0, 0), 2);

  setText(kCommandText, L"でんたく");
  setText(kPathText, L"calc.exe");
  click(kNewButton);
  SendMessageW(item(kAutoExecCheck), BM_SETCHECK, BST_CHECKED, 0);
  click(kCommitButton);
  ASSERT_TRUE(savedWith(u"メモ帳\tnotepad.exe\t\r\nでんたく\tcalc.exe\t\r\n"));
  // What the dialog does not show survives the save.
  EXPECT_NE(install.config().find(u"PREF/HIDDEN_DELAY\t1234\r\n"), Text::npos);
  EXPECT_NE(install.config().find(u"PREF/GOOGLE_URL\thttps://search.example/?q=\r\n"), Text::npos);
  EXPECT_TRUE(waitUntil(runValueExists));
  EXPECT_TRUE(waitUntil([&] { return SendMessageW(her.combo, CB_GETCOUNT, 0, 0) == 3; }))
      << "the drop-down list is rebuilt";

  // Opened again with the box cleared: the logon start goes.
  ASSERT_TRUE(waitUntil([&] { return !IsWindowVisible(dialog); }));
  ASSERT_TRUE(openDialog());
  EXPECT_EQ(SendMessageW(item(kAutoExecCheck), BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessageW(item(kAutoExecCheck), BM_SETCHECK, BST_UNCHECKED, 0);
  click(kCommitButton);
  EXPECT_TRUE(waitUntil([] { return !runValueExists(); }));
}

TEST_F(SettingsDialogTest, SavingTheSimpleStyleSwitchesHerWhereSheStands) {
  RECT before{};
  GetWindowRect(her.window, &before);
  ASSERT_TRUE(openDialog());
  SendMessageW(item(kStyleCombo), CB_SETCURSEL, 1, 0);
  click(kCommitButton);
  ASSERT_TRUE(savedWith(u"PREF/STYLE\t1\r\n"));
  expectSimpleStyleAt(her, before);
}

TEST_F(SettingsDialogTest, ASaveThatCannotBeWrittenKeepsTheOldFileAndTheEdits) {
  const Text path = install.folder() + u"\\config.txt";
  ASSERT_TRUE(openDialog());
  SetFileAttributesW(win32::wide(path), FILE_ATTRIBUTE_READONLY);
  setText(kCommandText, L"でんたく");
  setText(kPathText, L"calc.exe");
  click(kNewButton);
  click(kCommitButton);
  const auto box = install.waitForMessageBox();
  ASSERT_TRUE(box.has_value());
  EXPECT_TRUE(startsWith(box->prompt, u"設定を保存できませんでした。")) << toUtf8(box->prompt);
  install.clickOk(*box);
  EXPECT_EQ(install.config(), kSettings);
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_EQ(SendMessageW(item(kCommandList), LB_GETCOUNT, 0, 0), 3);
  SetFileAttributesW(win32::wide(path), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(SettingsDialogTest, AFileDroppedOnTheInputBoxOpensTheDialogReadyToRegisterIt) {
  // A drop as Explorer makes it: a DROPFILES block with one wide path, in
  // the launcher's own memory, where the system would have copied it.
  const std::wstring file = L"C:\\Tools\\app.exe";
  std::vector<char> block(sizeof(DROPFILES) + (file.size() + 2) * sizeof(wchar_t), 0);
  auto* drop = reinterpret_cast<DROPFILES*>(block.data());
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  std::copy(file.begin(), file.end(), reinterpret_cast<wchar_t*>(drop + 1));
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, install.processId());
  ASSERT_TRUE(process);
  void* remote =
      VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  ASSERT_TRUE(remote && WriteProcessMemory(process, remote, block.data(), block.size(), nullptr));
  CloseHandle(process);
  PostMessageW(her.input, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);

  dialog = install.waitForWindow(kDialogClass);
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(waitUntil([&] { return textOf(item(kPathText)) == u"C:\\Tools\\app.exe"; }))
      << toUtf8(textOf(item(kPathText)));
  EXPECT_EQ(SendMessageW(item(kCommandList), LB_GETCURSEL, 0, 0), LB_ERR);
  GUITHREADINFO focus{};
  focus.cbSize = sizeof focus;
  GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &focus);
  EXPECT_EQ(focus.hwndFocus, item(kCommandText));
}

TEST(SettingsDialogScaleTest, AtEveryScaleTheDialogIsItsLayoutsSizeAndShowsEveryCaptionWhole) {
  for (const int dpi : {96, 144, 192}) {
    SCOPED_TRACE(dpi);
    const ScreenScale scale(dpi);
    LauncherInstall install;
    install.writeConfig(kSettings);
    install.start();
    const Character her(install.waitForWindow(kWindowClass));
    ASSERT_TRUE(her.window);
    her.enter(u"せってい");
    const HWND dialog = install.waitForWindow(kDialogClass);
    ASSERT_TRUE(dialog);
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_NEAR(client.right, MulDiv(ConfigFormLayout::kClientWidth, dpi, 1440), 1);
    EXPECT_NEAR(client.bottom, MulDiv(ConfigFormLayout::kClientHeight, dpi, 1440), 1);
    EXPECT_EQ(clippedCaptions(dialog, dpi, messageFace(dpi, 9)), std::vector<std::string>{});
  }
}

}  // namespace
}  // namespace pipit::wintest
