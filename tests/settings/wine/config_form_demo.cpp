// Opens the settings dialog on sample settings and runs until it is closed,
// saved or cancelled: for looking at it, and for screenshots.
#include <windows.h>

#include "FakeSettings.h"
#include "fakes/FakePorts.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32FileChooser.h"
#include "settings/win32/ConfigForm.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using namespace pipit;
  fakes::FakeFiles files;
  fakes::FakeClock clock;
  Logger logger{files, clock, CodePage::named("CP932")};
  win32::Win32Dialogs dialogs{u"ピピットランチャー"};
  win32::Win32Clipboard clipboard;
  win32::Win32FileChooser chooser;
  fakes::FakeSettingsCore core;
  Configuration& c = core.current;
  c.setHiddenMode(true);
  c.setHotKeyMod(u"CTRL");
  c.setHotKeyValue(u"Q");
  auto add = [&](Text command, Text path, Text directory) {
    auto info = std::make_shared<CommandInfo>();
    info->setCommand(std::move(command));
    info->setExecutionPath(std::move(path));
    info->setExecutionDirectory(std::move(directory));
    auto rows = c.getCommands();
    rows.push_back(info);
    c.setCommands(rows);
  };
  add(u"メモ帳", u"notepad.exe", u"");
  add(u"電卓", u"calc.exe", u"C:\\Windows");
  add(u"[区切り線]", u"", u"");
  add(u"翻訳", u"@transweb.exe", u"");
  add(u"設定", u"$PPTK_EDIT", u"");

  win32::ConfigForm form(instance, core, SettingsPorts{dialogs, clipboard, chooser}, logger);
  form.init(u"");
  MSG message;
  while (form.handle() && IsWindowVisible(form.handle()) &&
         GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(form.handle(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return core.saved.empty() ? 1 : 0;
}
