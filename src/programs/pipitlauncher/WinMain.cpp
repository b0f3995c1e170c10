// The launcher's composition root: builds the ports and components, wires
// them together, starts up and runs the window events until terminate.
#include <windows.h>

#include <commctrl.h>

#include <optional>

#include "base/CodePage.h"
#include "base/Product.h"
#include "core/ConfigurationManager.h"
#include "core/Logger.h"
#include "platform/win32/SingleInstance.h"
#include "platform/win32/Win32Browser.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32EventPump.h"
#include "platform/win32/Win32FileChooser.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32InstalledPrograms.h"
#include "platform/win32/Win32Pictures.h"
#include "platform/win32/Win32Process.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32SystemCommands.h"
#include "programs/pipitlauncher/ConfigurationManagerCore.h"
#include "request/RequestHandling.h"
#include "settings/win32/ConfigForm.h"
#include "ui/ClockRandom.h"
#include "ui/InputForm.h"
#include "ui/MessageProvider.h"
#include "ui/ProgramIndex.h"
#include "ui/RowActionRunner.h"
#include "ui/ScaledPictures.h"
#include "ui/TrayMenu.h"
#include "ui/win32/CharacterWindow.h"
#include "ui/win32/TrayWindow.h"

namespace {

using namespace pipit;
using namespace pipit::win32;

// The running launcher, built member by member in this order. The window and
// its form refer to each other, as do the form and request handling, and the
// tray window and its menu: the first of each pair keeps a reference to a
// member built after it, which it first uses on an event, and no event comes
// before WinMain creates the windows.
struct Launcher {
  Launcher(HINSTANCE program, Win32Files& programFiles) : instance(program), files(programFiles) {}
  Launcher(const Launcher&) = delete;
  Launcher& operator=(const Launcher&) = delete;

  HINSTANCE instance;
  Win32Files& files;
  const CodePage codePage = CodePage::system();
  Win32Clock clock;
  Win32Dialogs dialogs{Text(kProductName)};
  Win32Process process;
  Win32Registry registry;
  Win32Pictures pictures;
  Win32Shell shell;
  Win32Browser browser;
  Logger logger{files, clock, codePage};
  ConfigurationManager manager{CorePorts{files, dialogs, process, registry, codePage}, logger};
  ConfigurationManagerCore core{manager};
  Win32Clipboard clipboard;
  RowActionRunner rowActionRunner{shell, clipboard, logger};
  Win32SystemCommands systemCommands;
  Win32FileChooser fileChooser;
  CharacterWindow window{instance, form};
  ConfigForm settingsDialog{
      instance, core, {dialogs, clipboard, fileChooser}, logger, [this] { return window.icon(); }};
  // Tab and the buttons' access keys work in both windows, in waits too.
  Win32EventPump pump{[this](MSG& msg) {
    for (HWND dialog : {window.handle(), settingsDialog.handle()}) {
      if (dialog && IsDialogMessageW(dialog, &msg)) return true;
    }
    return false;
  }};
  TrayWindow trayWindow{instance, [this] { return window.trayIcon(); }, pump, tray};

  // Her face comes first: her model shows its pictures through the blinker
  // and reads the style; the form, which speaks her lines, after both.
  SimpleMode style;
  // Every picture of hers is read for the scale of the screen she is on.
  ScaledPictures scaledPictures{pictures, window};
  CharacterPictures characterPictures{
      {window, logger, dialogs, process, files, scaledPictures, style}};
  Blinker blinker{window, characterPictures};
  ClockRandom random{clock};
  MessageProvider model{files, scaledPictures, blinker, style, random, logger, codePage};
  UsageScores usage{files, clock, [this](TextView label, const Text& line) {
                      logger.writeLog(label, line, true);
                    }};
  InputForm form{
      {window, window.inputBox(), core, logger, dialogs, clock, pump, usage},
      {style, characterPictures, blinker},
      {model, model.settings()},
      {[this](const Text& input) { return requests.dispatcher.dispatch(input); },
       [this](const Text& name, const Text& target) {
         return requests.defaults.startProgram(name, target);
       },
       [this](const Text& path, const Text& command) {
         return requests.builtIn.offerAsCommand(path, command);
       },
       [this](RowAction action, const Text& path) { return rowActionRunner.run(action, path); },
       [this](SystemCommand command) { return systemCommands.run(command); },
       [this] { programIndex.start(); }}};
  RequestHandling requests{
      RequestPorts{logger, core, model, form, settingsDialog, files, clock, pump, shell, browser}};
  TrayMenu tray{trayWindow, form, core, {dialogs, logger, process}};

  // The installed programs, indexed on a thread of their own from the first
  // keystroke on. Stopped and joined first at the end, while the word list
  // that takes its lists and the pump that brings them are still there.
  Win32InstalledPrograms installedPrograms;
  ProgramIndex programIndex{installedPrograms, files, logger, pump, form.wordList()};
};

// How the user's locale groups digits ("," every three on a Japanese
// desktop), for the calculator's answers.
DigitGrouping userDigitGrouping() {
  DigitGrouping grouping;
  wchar_t separator[8] = {}, sizes[16] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STHOUSAND, separator, 8) > 1) {
    grouping.separator = fromWide(separator, wcslen(separator));
  }
  // "3;0" for groups of three; the first figure is the size.
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SGROUPING, sizes, 16) > 1 &&
      sizes[0] >= L'1' && sizes[0] <= L'9') {
    grouping.size = sizes[0] - L'0';
  }
  return grouping;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  Win32Files files;
  SingleInstance running(files.programFolder());
  if (!running.first()) {
    running.showRunning();
    return 0;
  }

  // OLE, for drops on her input box, starts when the pointer first comes
  // over her; the browser object and the picture decoder bring COM
  // themselves.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  Launcher launcher(instance, files);
  // The tray's window and icon come after her first show (TrayMenu::init).
  if (const Status created = launcher.window.create(); !created) {
    reportWindowFailure(launcher.dialogs, launcher.logger, created.failure());
    return 1;
  }

  launcher.form.wordList().setDigitGrouping(userDigitGrouping());
  launcher.manager.main(
      LauncherParts{launcher.form, launcher.model, launcher.tray, launcher.form.commandMenu()});
  running.announce(launcher.window.handle());
  launcher.pump.run();
  launcher.manager.terminate();
}
