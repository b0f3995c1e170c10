#pragma once
#include "core/ConfigurationManager.h"
#include "settings/SettingsCore.h"

namespace pipit {

// The settings dialog's view of the running launcher's ConfigurationManager.
class ManagerSettingsCore final : public SettingsCore {
 public:
  explicit ManagerSettingsCore(ConfigurationManager& manager) : manager_(manager) {}
  const Configuration& getConfiguration() override { return manager_.getConfiguration(); }
  Status setConfiguration(const Configuration& configuration) override {
    return manager_.setConfiguration(configuration);
  }
  bool isStartupRegistered() override { return manager_.isStartupRegistered(); }
  void registerStartup() override { manager_.registerStartup(); }
  void unregisterStartup() override { manager_.unregisterStartup(); }

 private:
  ConfigurationManager& manager_;
};

}  // namespace pipit
