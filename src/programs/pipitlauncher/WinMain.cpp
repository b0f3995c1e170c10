// The launcher's composition root: builds the ports and components, wires
// them together, starts up and runs the window events until terminate.
#include <windows.h>

#include <commctrl.h>

#include <optional>

#include "base/CodePage.h"
#include "core/ConfigurationManager.h"
#include "core/Logger.h"
#include "platform/win32/ComApartment.h"
#include "platform/win32/SingleInstance.h"
#include "platform/win32/Win32Browser.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32EventPump.h"
#include "platform/win32/Win32FileChooser.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Pictures.h"
#include "platform/win32/Win32Process.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Shell.h"
#include "request/LauncherCore.h"
#include "request/RequestHandling.h"
#include "settings/ManagerSettingsCore.h"
#include "settings/win32/ConfigForm.h"
#include "ui/ClockRandom.h"
#include "ui/InputForm.h"
#include "ui/MessageProvider.h"
#include "ui/TrayMenu.h"
#include "ui/win32/CharacterWindow.h"
#include "ui/win32/TrayWindow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using namespace pipit;
  using namespace pipit::win32;

  Win32Files files;
  SingleInstance launcher(files.programFolder());
  if (!launcher.first()) {
    launcher.showRunning();
    return 0;
  }

  ComApartment com;  // the browser object and the picture decoder need it
  OleApartment ole;  // drops on her input box need OLE as well
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  const CodePage codePage = CodePage::system();
  Win32Clock clock;
  Win32Dialogs dialogs{Text(ConfigurationManager::kProductName)};
  Win32Process process;
  Win32Registry registry;
  Win32Pictures pictures;
  Win32Shell shell;
  Win32Browser browser;
  Logger logger(files, clock, codePage);
  ConfigurationManager manager(CorePorts{files, dialogs, process, registry, codePage}, logger);
  ConfigurationManagerCore core(manager);
  ManagerSettingsCore settingsCore(manager);
  Win32Clipboard clipboard;
  Win32FileChooser fileChooser;
  CharacterWindow window(instance);
  ConfigForm settingsDialog(instance, settingsCore, {dialogs, clipboard, fileChooser}, logger,
                            [&window] { return window.icon(); });

  // Tab and the buttons' access keys work in both windows, in waits too.
  Win32EventPump pump([&window, &settingsDialog](MSG& msg) {
    for (HWND dialog : {window.handle(), settingsDialog.handle()}) {
      if (dialog && IsDialogMessageW(dialog, &msg)) return true;
    }
    return false;
  });
  TrayWindow trayWindow(
      instance, [&window] { return window.icon(); }, pump);

  // Her face comes first: her model shows its pictures through the blinker
  // and reads the style; the form, which speaks her lines, after both.
  SimpleMode style;
  CharacterPictures characterPictures({window, logger, dialogs, process, files, pictures, style});
  Blinker blinker(window, characterPictures);
  ClockRandom random(clock);
  MessageProvider model(files, pictures, blinker, style, random, logger, codePage);
  // Request handling answers through the form, which sends through it: it is
  // built right after the form, before any event can reach the form.
  std::optional<RequestHandling> requests;
  InputForm form({window, core, logger, dialogs, clock, pump}, {style, characterPictures, blinker},
                 {model, model.settings()},
                 [&requests](const Text& input) { return requests->dispatcher.dispatch(input); });
  requests.emplace(
      RequestPorts{logger, core, model, form, settingsDialog, files, clock, pump, shell, browser});
  // The window has its events' sink before it exists, so none is ever lost.
  window.attach(form);
  for (const Status& created : {window.create(), trayWindow.create()}) {
    if (created) continue;
    dialogs.messageBox(u"メインフォームの初期化に失敗しました。プログラムを終了します。",
                       u"メインフォーム初期化失敗", MessageButtons::Ok, MessageIcon::Critical);
    logger.writeLog(u"InputForm.visualize()",
                    u"メインフォーム初期化エラー:" + created.failure().toText(), true);
    return 1;
  }
  TrayMenu tray(trayWindow, form, core, dialogs);
  trayWindow.attach(tray);

  manager.main(LauncherParts{form, model, tray, form.commandMenu()});
  launcher.announce(window.handle());
  pump.run();
  manager.terminate();
}
