#pragma once
// What request handling needs from the application core: the command lookup,
// the current settings and the way out.
#include <optional>

#include "base/Text.h"
#include "core/Configuration.h"
#include "core/ConfigurationManager.h"
#include "request/ExecutionRequest.h"

namespace pipit {

class LauncherCore {
 public:
  virtual ~LauncherCore() = default;
  virtual std::optional<ExecutionRequest> getExecInfo(TextView command) = 0;
  virtual Configuration& getConfiguration() = 0;
  [[noreturn]] virtual void terminate() = 0;
  // The same way out when Windows ends the session: nothing may wait for
  // the user.
  [[noreturn]] virtual void endSession() = 0;
};

// The running launcher's core behind the interface.
class ConfigurationManagerCore final : public LauncherCore {
 public:
  explicit ConfigurationManagerCore(ConfigurationManager& manager) : manager_(manager) {}
  std::optional<ExecutionRequest> getExecInfo(TextView command) override {
    const auto row = manager_.getExecInfo(command);
    if (!row) return std::nullopt;
    ExecutionRequest request;
    request.setExecutionPath(row->getExecutionPath());
    request.setExecutionDirectory(row->getExecutionDirectory());
    return request;
  }
  Configuration& getConfiguration() override { return manager_.getConfiguration(); }
  [[noreturn]] void terminate() override { manager_.terminate(); }
  [[noreturn]] void endSession() override { manager_.terminate(true); }

 private:
  ConfigurationManager& manager_;
};

}  // namespace pipit
