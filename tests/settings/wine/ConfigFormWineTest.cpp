// The settings dialog's real window under Wine, driven in-process through
// its controls, against a fake core and fake message boxes.
#include <gtest/gtest.h>

#include "FakeSettings.h"
#include "fakes/FakePorts.h"
#include "platform/win32/Win32Clipboard.h"
#include "settings/win32/ConfigForm.h"

namespace pipit {
namespace {

using namespace configform;
using Texts = std::vector<Text>;

std::shared_ptr<CommandInfo> row(Text command, Text path) {
  auto info = std::make_shared<CommandInfo>();
  info->setCommand(std::move(command));
  info->setExecutionPath(std::move(path));
  return info;
}

Text textOf(HWND window) {
  wchar_t buffer[512] = {};
  const int length = GetWindowTextW(window, buffer, 512);
  return win32::fromWide(buffer, static_cast<std::size_t>(length));
}

class ConfigFormWineTest : public ::testing::Test {
 protected:
  fakes::FakeFiles files;
  fakes::FakeClock clock;
  Logger logger{files, clock, CodePage::named("CP932")};
  fakes::FakeDialogs dialogs;
  win32::Win32Clipboard clipboard;
  fakes::FakeFileChooser chooser;
  fakes::FakeSettingsCore core;
  // Her icon as the character window would hold it: any icon not the system's.
  win32::IconHandle herIcon{CopyIcon(LoadIconW(nullptr, IDI_INFORMATION))};
  win32::ConfigForm form{GetModuleHandleW(nullptr), core,
                         SettingsPorts{dialogs, clipboard, chooser}, logger,
                         [this] { return herIcon.get(); }};

  ConfigFormWineTest() {
    core.current.setHotKeyMod(u"ALT");
    core.current.setHotKeyValue(u"P");
    core.current.setCommands({row(u"メモ帳", u"notepad.exe"), row(u"[区切り線]", u""),
                              row(u"web", u"http://example.com/")});
  }

  HWND item(int id) { return GetDlgItem(form.handle(), id); }
  void click(int id) {
    SendMessageW(form.handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(item(id)));
  }
  void pickRow(int index) {
    SendMessageW(item(kCommandList), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(form.handle(), WM_COMMAND, MAKEWPARAM(kCommandList, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(item(kCommandList)));
  }
  Texts rows() {
    Texts all;
    HWND list = item(kCommandList);
    const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      wchar_t buffer[512] = {};
      const auto length =
          SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer));
      all.push_back(win32::fromWide(buffer, static_cast<std::size_t>(length)));
    }
    return all;
  }
  Texts boxes() {
    return {textOf(item(kCommandText)), textOf(item(kPathText)), textOf(item(kDirectoryText))};
  }
};

TEST_F(ConfigFormWineTest, OpensWithEveryControlWhereTheLayoutPutsIt) {
  form.init(u"", u"");
  HWND window = form.handle();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(textOf(window), u"ピピットランチャーの設定");
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  EXPECT_STREQ(className, win32::ConfigForm::kClassName);
  for (const WPARAM size : {ICON_BIG, ICON_SMALL}) {
    const LRESULT icon = SendMessageW(window, WM_GETICON, size, 0);
    EXPECT_NE(icon, 0);
    EXPECT_NE(icon, reinterpret_cast<LRESULT>(LoadIconW(nullptr, IDI_APPLICATION)));
  }

  HDC screen = GetDC(nullptr);
  const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
  const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  RECT client{};
  GetClientRect(window, &client);
  const PixelRect expected =
      toPixels({0, 0, ConfigFormLayout::kClientWidth, ConfigFormLayout::kClientHeight}, dpiX, dpiY);
  EXPECT_EQ(client.right, expected.width);
  EXPECT_EQ(client.bottom, expected.height);

  for (const FormControl& c : ConfigFormLayout::controls()) {
    SCOPED_TRACE(c.id);
    HWND child = item(c.id);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(IsWindowVisible(child) != FALSE, !c.hidden);
    if (c.kind != ControlKind::DropDown && c.kind != ControlKind::List &&
        c.kind != ControlKind::Edit) {
      EXPECT_EQ(textOf(child), c.caption);
    }
    RECT at{};
    GetWindowRect(child, &at);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&at), 2);
    const PixelRect want = toPixels(ConfigFormLayout::inWindow(c), dpiX, dpiY);
    EXPECT_EQ(at.top, want.top);
    // Captions may take room on their rows; fields and frames keep their right edges.
    if (c.caption.empty() || c.kind == ControlKind::Frame) {
      EXPECT_EQ(at.right, want.left + want.width);
    }
    if (c.kind != ControlKind::DropDown) {
      EXPECT_EQ(at.bottom - at.top, want.height);
    }
  }
  EXPECT_EQ(rows(),
            (Texts{u"メモ帳\tnotepad.exe\t", u"[区切り線]\t\t", u"web\thttp://example.com/\t"}));
  EXPECT_EQ(GetFocus(), item(kCommandList));
  EXPECT_EQ(boxes(), (Texts{u"メモ帳", u"notepad.exe", u""}));
  EXPECT_EQ(textOf(item(kHotkeyValueCombo)), u"P");
}

TEST_F(ConfigFormWineTest, AChangeOfScaleLaysOutTheSameControlsAgainWithWhatTheyHold) {
  form.init(u"", u"");
  pickRow(2);
  for (const int dpi : {144, 192, 96}) {
    SCOPED_TRACE(dpi);
    RECT suggested{30, 40, 80, 90};  // where it goes; the layout gives the size
    SendMessageW(form.handle(), 0x02E0, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    RECT at{};
    RECT client{};
    GetWindowRect(form.handle(), &at);
    GetClientRect(form.handle(), &client);
    EXPECT_EQ((std::vector<LONG>{at.left, at.top, client.right, client.bottom}),
              (std::vector<LONG>{30, 40, MulDiv(ConfigFormLayout::kClientWidth, dpi, 1440),
                                 MulDiv(ConfigFormLayout::kClientHeight, dpi, 1440)}));
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(item(kCommandList), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -MulDiv(9, dpi, 72));
    EXPECT_EQ(SendMessageW(item(kCommandList), LB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(boxes(), (Texts{u"web", u"http://example.com/", u""}));
  }
}

TEST_F(ConfigFormWineTest, TabWalksTheControlsInTheirOrderSkippingTheHiddenButton) {
  form.init(u"", u"");
  const std::vector<int> order{kCommandList,   kCommandText,    kPathText,         kRefPathButton,
                               kDirectoryText, kUpdateButton,   kNewButton,        kSeparatorButton,
                               kDeleteButton,  kHotkeyModCombo, kHotkeyValueCombo, kHideWindowCheck,
                               kAutoExecCheck, kDebugModeCheck, kNewIECheck,       kCommitButton,
                               kCancelButton,  kUpButton,       kDownButton,       kStyleCombo,
                               kCommandList};
  HWND at = item(order[0]);
  for (std::size_t i = 1; i < order.size(); ++i) {
    at = GetNextDlgTabItem(form.handle(), at, FALSE);
    EXPECT_EQ(GetDlgCtrlID(at), order[i]) << "step " << i;
  }
}

TEST_F(ConfigFormWineTest, EditingThroughTheControlsAndSaving) {
  form.init(u"C:\\dropped.exe", u"");
  EXPECT_EQ(GetFocus(), item(kCommandText));
  EXPECT_EQ(SendMessageW(item(kCommandList), LB_GETCURSEL, 0, 0), LB_ERR);
  SetWindowTextW(item(kCommandText), L"dropped");
  click(kNewButton);
  pickRow(0);
  EXPECT_EQ(boxes(), (Texts{u"メモ帳", u"notepad.exe", u""}));
  click(kDownButton);
  click(kDownButton);
  ASSERT_TRUE(clipboard.writeText(u"pasted\tp.exe\tC:\\p\r\n"));
  click(kPasteButton);
  pickRow(0);
  click(kDeleteButton);
  EXPECT_EQ(rows(), (Texts{u"web\thttp://example.com/\t", u"メモ帳\tnotepad.exe\t",
                           u"dropped\tC:\\dropped.exe\t", u"pasted\tp.exe\tC:\\p"}));
  EXPECT_EQ(SendMessageW(item(kCommandList), LB_GETCURSEL, 0, 0), 0);
  EXPECT_TRUE(dialogs.shown.empty());

  click(kUpdateButton);  // boxes show row 0 again: overwrite with itself
  SendMessageW(item(kStyleCombo), CB_SETCURSEL, 1, 0);
  CheckDlgButton(form.handle(), kAutoExecCheck, BST_CHECKED);
  click(kCommitButton);
  ASSERT_EQ(core.saved.size(), 1u);
  EXPECT_TRUE(core.saved[0].isStyleSimple());
  EXPECT_EQ(core.saved[0].commands().size(), 4u);
  EXPECT_EQ(core.saved[0].getHotKeyMod(), u"ALT");
  EXPECT_TRUE(core.registered);
  EXPECT_FALSE(IsWindowVisible(form.handle())) << "hidden, not destroyed";
  EXPECT_NE(form.handle(), nullptr);
}

TEST_F(ConfigFormWineTest, EnterEscapeAndTheCloseBox) {
  form.init(u"", u"");
  // The dialog manager sends these for Enter and Escape: no default or
  // cancel button, so they do nothing.
  SendMessageW(form.handle(), WM_COMMAND, IDOK, 0);
  SendMessageW(form.handle(), WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(IsWindowVisible(form.handle()));
  click(kDeleteButton);
  SendMessageW(form.handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(form.handle(), nullptr);
  EXPECT_TRUE(core.saved.empty());
  form.init(u"", u"");
  ASSERT_NE(form.handle(), nullptr);
  EXPECT_EQ(rows().size(), 3u) << "a new window with the settings in force";
}

}  // namespace
}  // namespace pipit
