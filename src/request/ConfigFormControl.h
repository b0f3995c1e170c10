#pragma once
#include "base/Text.h"

namespace pipit {

// The settings dialog as request handling opens it.
class ConfigFormControl {
 public:
  virtual ~ConfigFormControl() = default;
  // Opens the dialog without blocking. A non-empty path is offered in the
  // path box as a new command, under `command` in the command box.
  virtual void init(const Text& path, const Text& command) = 0;
};

}  // namespace pipit
