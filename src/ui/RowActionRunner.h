#pragma once
// The actions on the row chosen in the input box's list that reach outside
// her: Explorer on the folder that holds the target, the target started as
// administrator, its path on the clipboard. Making it a command is the
// settings dialog's, as a dropped file is.
#include "core/Logger.h"
#include "finding/RowActions.h"
#include "platform/Clipboard.h"
#include "platform/Shell.h"
#include "request/ExecutionResponse.h"

namespace pipit {

class RowActionRunner {
 public:
  RowActionRunner(Shell& shell, Clipboard& clipboard, Logger& logger)
      : shell_(shell), clipboard_(clipboard), logger_(logger) {}

  // An error response carries the shell's number, as a failed start does.
  ExecutionResponse run(RowAction action, const Text& path);

 private:
  Shell& shell_;
  Clipboard& clipboard_;
  Logger& logger_;
};

}  // namespace pipit
