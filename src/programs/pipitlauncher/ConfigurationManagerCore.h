#pragma once
// The running launcher's ConfigurationManager as request handling and the
// settings dialog each see it. Neither of those layers may know the other,
// so the one adapter that serves both lives with the composition root.
#include <optional>

#include "core/ConfigurationManager.h"
#include "request/LauncherCore.h"
#include "settings/SettingsCore.h"

namespace pipit {

class ConfigurationManagerCore final : public LauncherCore, public SettingsCore {
 public:
  explicit ConfigurationManagerCore(ConfigurationManager& manager) : manager_(manager) {}

  // Both: request handling may change the settings in force (the style
  // switch), the dialog only reads them.
  Configuration& getConfiguration() override { return manager_.getConfiguration(); }

  // LauncherCore
  std::optional<ExecutionRequest> getExecInfo(TextView command) override {
    const auto row = manager_.getExecInfo(command);
    if (!row) return std::nullopt;
    ExecutionRequest request;
    request.setExecutionPath(row->getExecutionPath());
    request.setExecutionDirectory(row->getExecutionDirectory());
    return request;
  }
  [[noreturn]] void terminate() override { manager_.terminate(); }
  bool isTerminating() const override { return manager_.isTerminating(); }
  [[noreturn]] void endSession() override { manager_.terminate(true); }

  // SettingsCore
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
