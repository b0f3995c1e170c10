#pragma once
// Command words: looked up in the command table, or started as typed.
#include "core/Logger.h"
#include "request/BuiltInCommandExecutor.h"
#include "request/CharacterLines.h"
#include "request/ExecutionRequest.h"
#include "request/ExecutionResponse.h"
#include "request/InputFormControl.h"
#include "request/LauncherCore.h"
#include "request/ShellExecutor.h"

namespace pipit {

class DefaultProcessor {
 public:
  struct Parts {
    Logger& logger;
    LauncherCore& core;
    CharacterLines& lines;
    InputFormControl& window;
    BuiltInCommandExecutor& builtIn;
    ShellExecutor& shell;
  };

  explicit DefaultProcessor(const Parts& parts) : parts_(parts) {}

  ExecutionResponse process(const Text& input);
  // An installed program chosen from the input box's list: its target goes
  // to the shell as a registered command's path does, never through the
  // command table, and her line names the program.
  ExecutionResponse startProgram(const Text& name, const Text& target);
  bool isBuiltInCommand(const ExecutionRequest& request);

 private:
  ExecutionRequest resolve(const Text& input);
  ExecutionResponse run(ExecutionRequest& request);

  Parts parts_;
};

}  // namespace pipit
