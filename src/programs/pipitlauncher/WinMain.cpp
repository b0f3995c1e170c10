// The launcher's composition root: builds the ports and components, wires
// them together, starts up and runs the window events until terminate.
#include <windows.h>

#include "base/CodePage.h"
#include "core/ConfigurationManager.h"
#include "core/Logger.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Pictures.h"
#include "platform/win32/Win32Process.h"
#include "platform/win32/Win32Registry.h"
#include "ui/ClockRandom.h"
#include "ui/MessageProvider.h"
#include "ui/win32/StandInWindow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using namespace pipit;
  using namespace pipit::win32;

  const CodePage codePage = CodePage::system();
  Win32Files files;
  Win32Clock clock;
  Win32Dialogs dialogs{Text(ConfigurationManager::kProductName)};
  Win32Process process;
  Win32Registry registry;
  Win32Pictures pictures;  // keeps COM up on this thread
  Logger logger(files, clock, codePage);
  ConfigurationManager manager(CorePorts{files, dialogs, process, registry, codePage}, logger);

  StandInWindow window(
      instance,
      [&manager] {
        const Configuration& config = manager.getConfiguration();
        return std::pair{config.getFormTop(), config.getFormLeft()};
      },
      [&manager] { manager.terminate(); });
  ClockRandom random(clock);
  MessageProvider model(files, pictures, window, random, logger, codePage);
  window.attachLines(model);
  StandInTrayMenu trayMenu;
  StandInCommandMenu commandMenu;
  manager.main(LauncherParts{window, model, trayMenu, commandMenu});

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  manager.terminate();
}
