#pragma once
// Reading and writing "config.txt": settings lines and the command table.
#include <cstddef>

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
  // be converted or more than 32767 command rows fail the whole read. Bytes
  // that cannot be decoded in a setting or command row are logged, forced.
  Outcome<Configuration> getConfigurationFromFile(const Text& path);

  // Writes the configuration to "config.txt" in the program's folder. The old
  // file is replaced in one step and stays whole when anything fails. When
  // "config.txt" as last read held bytes that could not be decoded, nothing
  // is written and the failure tells the line; a file last read line by
  // line, in two encodings, is written as UTF-8 with a mark.
  Status saveConfiguration(const Configuration& configuration);

  // What the read of "config.txt" found that its next save must heed.
  struct ReadNote {
    bool byLine = false;              // its lines were in more than one encoding
    std::size_t undecodableLine = 0;  // the first row with such bytes, from 1
  };

 private:
  Files& files_;
  const CodePage& codePage_;
  Logger& logger_;
  ReadNote lastRead_;
};

}  // namespace pipit
