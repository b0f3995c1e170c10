#pragma once
// What request handling needs from the application core: the command lookup,
// the current settings and the way out.
#include <optional>

#include "base/Text.h"
#include "core/Configuration.h"
#include "request/ExecutionRequest.h"

namespace pipit {

class LauncherCore {
 public:
  virtual ~LauncherCore() = default;
  virtual std::optional<ExecutionRequest> getExecInfo(TextView command) = 0;
  virtual Configuration& getConfiguration() = 0;
  [[noreturn]] virtual void terminate() = 0;
  // From the start of terminate on. A box shown while it runs delivers
  // window events, the hot key's and the tray's among them: she must not
  // come back nor start anything then.
  virtual bool isTerminating() const = 0;
  // The same way out when Windows ends the session: nothing may wait for
  // the user.
  [[noreturn]] virtual void endSession() = 0;
};

}  // namespace pipit
