#pragma once
#include "base/Text.h"

namespace pipit {

// A new browser window through the browser automation object.
class Browser {
 public:
  virtual ~Browser() = default;
  // Opens the address in a new visible window brought to the front. False
  // when the automation object cannot be created or will not navigate.
  virtual bool openNewWindow(const Text& address) = 0;
};

}  // namespace pipit
