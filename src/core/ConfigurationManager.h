#pragma once
// Owns the running launcher's settings and drives its life: start-up,
// replacing the settings, command lookup, logon auto-start and shutdown.
#include <optional>

#include "base/CodePage.h"
#include "base/Product.h"
#include "core/Configuration.h"
#include "core/ConfigurationFile.h"
#include "core/LauncherParts.h"
#include "core/Logger.h"
#include "core/Registry.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Process.h"

namespace pipit {

struct CorePorts {
  Files& files;
  Dialogs& dialogs;
  Process& process;
  SystemRegistry& registry;
  const CodePage& codePage;
};

class ConfigurationManager {
 public:
  static constexpr TextView kVersion = u"1.03 (2011.11.25)";
  static constexpr TextView kRunKey = u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\";

  ConfigurationManager(const CorePorts& ports, Logger& logger);

  // Start-up: banner, settings, model, windows, greeting. A settings file or
  // model that cannot be read ends the process after a message box.
  void main(const LauncherParts& parts);
  // Saves the window position and the settings, takes the windows down and
  // ends the process. Every step that fails is skipped; a save that fails is
  // logged and, unless the session is ending, told to the user.
  [[noreturn]] void terminate(bool sessionEnding = false);
  // True once terminate has begun: the process ends from there on.
  bool isTerminating() const { return terminating_; }

  // The one settings object of the running launcher: always the same object,
  // whose content setConfiguration replaces.
  Configuration& getConfiguration();
  // Saves the new settings, reads them back from the file and rebuilds the
  // model, the window and the command menu. A failure to save, to read back
  // or to load the chosen style's model goes to the caller, with the former
  // file and settings put back.
  Status setConfiguration(const Configuration& configuration);

  // A copy of the first command row whose word equals the text exactly;
  // nothing when no row matches.
  std::optional<CommandInfo> getExecInfo(TextView command);

  // The program's full path: its folder, "\" when missing, name and ".exe".
  Text getExecutablePath() const;

  bool isStartupRegistered();
  void registerStartup();
  void unregisterStartup();

 private:
  [[noreturn]] void failStartup(TextView prompt, TextView title, TextView logPrefix,
                                const Failure& failure, TextView label);
  void reportFailedSave(const Failure& failure, bool sessionEnding);
  void applyDebugMode(TextView label);
  void loadModelOrExit(TextView label);
  // The current settings' style and model, after a replacement that failed.
  void restoreModel();

  CorePorts ports_;
  Logger& logger_;
  ConfigurationFile file_;
  Registry registry_;
  Configuration currentConfiguration_;
  std::optional<LauncherParts> parts_;
  bool terminating_ = false;
};

}  // namespace pipit
