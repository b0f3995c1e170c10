#pragma once
#include "base/Text.h"

namespace pipit {

// What a shortcut file (.lnk) starts, as its properties show it.
struct ShortcutTarget {
  Text path;
  Text arguments;
  Text directory;  // "" = none given
  bool operator==(const ShortcutTarget&) const = default;
};

}  // namespace pipit
