#pragma once
// Reading and writing "config.txt": settings lines and the command table.
#include "base/CodePage.h"
#include "base/Failure.h"
#include "core/Configuration.h"
#include "core/Logger.h"
#include "platform/Files.h"

namespace pipit {

class ConfigurationFile {
 public:
  ConfigurationFile(Files& files, const CodePage& codePage, Logger& logger);

  // The full path of "config.txt" in the program's folder.
  Text defaultPath() const;

  // Reads a settings file. A file that cannot be read, a number that cannot
  // be converted or more than 32767 command rows fail the whole read.
  Outcome<Configuration> getConfigurationFromFile(const Text& path) const;

  // Writes the configuration to "config.txt" in the program's folder. The old
  // file is replaced in one step and stays whole when anything fails.
  Status saveConfiguration(const Configuration& configuration);

 private:
  Files& files_;
  const CodePage& codePage_;
  Logger& logger_;
};

}  // namespace pipit
