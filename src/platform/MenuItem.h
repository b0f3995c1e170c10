#pragma once
#include "base/Text.h"

namespace pipit {

// One row of a popup menu: a caption, or a separator bar that cannot be chosen.
struct MenuItem {
  Text caption;
  bool separator = false;
  bool operator==(const MenuItem&) const = default;
};

}  // namespace pipit
