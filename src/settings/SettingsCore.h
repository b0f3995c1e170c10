#pragma once
// What the settings dialog needs of the core: the settings in force, their
// replacement, and the logon auto-start registration.
#include "base/Failure.h"
#include "core/Configuration.h"

namespace pipit {

class SettingsCore {
 public:
  virtual ~SettingsCore() = default;
  virtual const Configuration& getConfiguration() = 0;
  // Writes, reads back and applies the settings; a failure leaves the
  // settings in force and "config.txt" as they were.
  virtual Status setConfiguration(const Configuration& configuration) = 0;
  virtual bool isStartupRegistered() = 0;
  virtual void registerStartup() = 0;
  virtual void unregisterStartup() = 0;
};

}  // namespace pipit
