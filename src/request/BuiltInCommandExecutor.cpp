#include "request/BuiltInCommandExecutor.h"

#include "base/Number.h"
#include "request/ResponseKeys.h"
#include "request/WaitFor.h"

namespace pipit {

ExecutionResponse BuiltInCommandExecutor::executeBuiltIn(const ExecutionRequest& request) {
  ExecutionResponse response;
  const Text keyword = request.getExecutionPath();
  InputFormControl& window = ports_.window;
  if (keyword == kEdit) {
    return offerAsCommand(request.getParameter(), Text());
  } else if (keyword == kHide) {
    window.clearForm(true, false);
    response.setDescription(Text(kHiddenDescription));
  } else if (keyword == kReload) {
    response.setDescription(u"再読み込みの要求を処理しました。");
  } else if (keyword == kChange) {
    const bool wasSimple = window.isSimpleMode();
    window.setSimpleMode(!wasSimple);
    if (const Status loaded = ports_.lines.loadModel(); !loaded) {
      // The other style's model cannot be read: she stays as she is, with
      // the pictures and layout that belong together, and the user is told
      // why instead of being told that the style changed.
      window.setSimpleMode(wasSimple);
      response.setError(true);
      response.setErrorCode(decimalText(loaded.failure().number));
      response.setErrorMessage(loaded.failure().description);
      return response;
    }
    window.visualize();
    window.setCharacterMessage(ports_.lines.getMessage(responses::kFocus, u""));
    response.setDescription(u"モード切替要求を処理しました");
  } else if (keyword == kExit) {
    window.setTxtMessage(ports_.lines.getMessage(responses::kExit, u""));
    if (!window.isSimpleMode()) {
      waitFor(ports_.core.getConfiguration().getHiddenDelay(), ports_.clock, ports_.pump);
    }
    ports_.core.terminate();
  } else {
    response.setError(true);
    window.setCharacterMessage(ports_.lines.getMessage(responses::kUnknown, u""));
    response.setErrorMessage(keyword + u"は不明なビルトインコマンドです。");
  }
  return response;
}

ExecutionResponse BuiltInCommandExecutor::offerAsCommand(const Text& path, const Text& command) {
  ports_.configForm.init(path, command);
  ports_.window.setCharacterMessage(ports_.lines.getMessage(responses::kSettings, u""));
  ExecutionResponse response;
  response.setDescription(u"設定画面の要求を処理しました。");
  return response;
}

}  // namespace pipit
