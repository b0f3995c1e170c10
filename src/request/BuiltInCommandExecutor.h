#pragma once
// The "$" keywords that control the launcher itself.
#include "platform/Clock.h"
#include "platform/EventPump.h"
#include "request/CharacterLines.h"
#include "request/ConfigFormControl.h"
#include "request/ExecutionRequest.h"
#include "request/ExecutionResponse.h"
#include "request/InputFormControl.h"
#include "request/LauncherCore.h"

namespace pipit {

class BuiltInCommandExecutor {
 public:
  static constexpr TextView kEdit = u"$PPTK_EDIT";
  static constexpr TextView kHide = u"$PPTK_HIDE";
  static constexpr TextView kReload = u"$PPTK_RELOAD";
  static constexpr TextView kChange = u"$PPTK_CHANGE";
  static constexpr TextView kExit = u"$PPTK_EXIT";
  // The window recognises the hide response by this text and shows nothing.
  static constexpr TextView kHiddenDescription = u"フォーム不可視の要求を処理しました。";

  struct Ports {
    LauncherCore& core;
    CharacterLines& lines;
    InputFormControl& window;
    ConfigFormControl& configForm;
    const Clock& clock;
    EventPump& pump;
  };

  explicit BuiltInCommandExecutor(const Ports& ports) : ports_(ports) {}

  // The exit keyword does not come back: the core ends the process.
  ExecutionResponse executeBuiltIn(const ExecutionRequest& request);
  // The settings dialog with `path` offered as a new command under `command`
  // (empty: the user names it), as the edit keyword opens it.
  ExecutionResponse offerAsCommand(const Text& path, const Text& command);

 private:
  Ports ports_;
};

}  // namespace pipit
