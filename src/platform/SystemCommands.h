#pragma once
// What the system itself does on a user's word: lock the screen, sleep,
// restart, shut down, sign out, empty the recycle bin. Each answers whether
// the system took it, with its reason where it did not.
#include "base/Failure.h"

namespace pipit {

enum class SystemCommand { lock, sleep, restart, shutDown, signOut, emptyRecycleBin };

class SystemCommands {
 public:
  virtual ~SystemCommands() = default;
  virtual Status run(SystemCommand command) = 0;
};

}  // namespace pipit
