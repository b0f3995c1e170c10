#include "request/BuiltInCommandExecutor.h"

#include "request/WaitFor.h"

namespace pipit {

ExecutionResponse BuiltInCommandExecutor::executeBuiltIn(const ExecutionRequest& request) {
  ExecutionResponse response;
  const Text keyword = request.getExecutionPath();
  InputFormControl& window = parts_.window;
  if (keyword == kEdit) {
    parts_.configForm.init(request.getParameter());
    window.setCharacterMessage(parts_.lines.getMessage(u"CMD/設定", u""));
    response.setDescription(u"設定画面の要求を処理しました。");
  } else if (keyword == kHide) {
    window.clearForm(true, false);
    response.setDescription(Text(kHiddenDescription));
  } else if (keyword == kReload) {
    response.setDescription(u"再読み込みの要求を処理しました。");
  } else if (keyword == kChange) {
    window.setSimpleMode(!window.isSimpleMode());
    // The model of the new style is the window's business to report: a
    // style that cannot be loaded keeps the pictures already shown.
    (void)parts_.lines.loadModel();
    window.visualize();
    window.setCharacterMessage(parts_.lines.getMessage(u"CMD/FOCUS", u""));
    response.setDescription(u"モード切替要求を処理しました");
  } else if (keyword == kExit) {
    window.setTxtMessage(parts_.lines.getMessage(u"CMD/終了", u""));
    if (!window.isSimpleMode()) {
      waitFor(parts_.core.getConfiguration().getHiddenDelay(), parts_.clock, parts_.pump);
    }
    parts_.core.terminate();
  } else {
    response.setError(true);
    window.setCharacterMessage(parts_.lines.getMessage(u"CMD/不明", u""));
    response.setErrorMessage(keyword + u"は不明なビルトインコマンドです。");
  }
  return response;
}

}  // namespace pipit
