#include "ui/RowActionRunner.h"

#include "base/Number.h"

namespace pipit {
namespace {

constexpr TextView kLabel = u"RowActionRunner.run()";
constexpr int64_t kLastShellError = 32;

}  // namespace

ExecutionResponse RowActionRunner::run(RowAction action, const Text& path) {
  constexpr TextView kWhat[] = {u"フォルダーを開きます：", u"管理者として起動します：",
                                u"パスをコピーします：", u"", u"計算の答えをコピーします："};
  if (logger_.enabled())
    logger_.writeLog(kLabel, Text(kWhat[static_cast<std::size_t>(action)]) + path);
  ExecutionResponse response;
  if (action == RowAction::copyPath || action == RowAction::copyResult) {
    if (!clipboard_.writeText(path)) {
      response.setError(true);
      response.setErrorCode(u"0");
      response.setErrorMessage(u"クリップボードに書き込めませんでした。");
    }
    logger_.writeLog(kLabel, response.toLogText());
    return response;
  }
  int64_t result = 0;
  if (action == RowAction::openFolder) result = shell_.showInFolder(path);
  if (action == RowAction::runAsAdmin) result = shell_.runAsAdministrator(path);
  if (result > kLastShellError) {
    response.setDescription(decimalText(result));
  } else {
    response.setError(true);
    response.setErrorCode(decimalText(result));
    if (result == 2 || result == 3) response.setErrorMessage(u"パスが見つかりません。");
  }
  logger_.writeLog(kLabel, response.toLogText());
  return response;
}

}  // namespace pipit
