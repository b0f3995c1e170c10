#pragma once
#include "platform/SystemCommands.h"

namespace pipit::win32 {

// Restart, shut down and sign out take the shutdown privilege for the
// moment they ask; the session's end then reaches her window as any logoff
// does, so her place is saved. A failure carries the system's own message.
class Win32SystemCommands final : public SystemCommands {
 public:
  Status run(SystemCommand command) override;
};

}  // namespace pipit::win32
