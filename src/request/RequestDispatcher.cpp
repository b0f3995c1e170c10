#include "request/RequestDispatcher.h"

#include <optional>

#include "base/Number.h"
#include "request/ResponseKeys.h"

namespace pipit {
namespace {
constexpr TextView kLabel = u"RequestDispatcher.dispatch()";
}  // namespace

int32_t RequestDispatcher::getMode(TextView input) {
  int32_t mode = kCommandMode;
  if (startsWith(input, u"http://") || startsWith(input, u"https://")) mode = kUrlMode;
  if (!input.empty() && (input.front() == u'?' || input.front() == u'？')) mode = kSearchMode;
  return mode;
}

ExecutionResponse RequestDispatcher::dispatch(const Text& input) {
  Logger& log = parts_.logger;
  log.writeMethodStart(kLabel);
  if (log.enabled()) log.writeLog(kLabel, u"入力値：" + input);
  const int32_t mode = getMode(input);
  if (log.enabled()) log.writeLog(kLabel, u"モード：" + decimalText(mode));

  std::optional<ExecutionResponse> response;
  // The window gets an answer for every input: a processor that fails
  // outright leaves no response, which becomes the error "99" below.
  try {
    response = runProcessor(mode, input);
    if (response->isError()) {
      ExecutionResponse conversation = parts_.conversation.process(input);
      if (!conversation.isError()) {
        parts_.window.setCharacterMessage(conversation.getDescription());
        response = std::move(conversation);
      }
    }
  } catch (...) {
    // Either nothing came back, or a failed conversation attempt leaves the
    // first error standing, as a conversation miss would.
  }

  if (!response) {
    log.writeLog(kLabel, u"プロセッサからの戻り値がありませんでした。エラー情報を生成します。");
    response = ExecutionResponse::missing(u"99");
  }
  if (log.enabled()) {
    if (response->isError()) {
      log.writeLog(kLabel, u"出力値（異常）：" + response->getErrorMessage() + u"(" +
                               response->getErrorCode() + u")：" + response->getDescription());
    } else {
      log.writeLog(kLabel, u"出力値（正常）：" + response->getDescription());
    }
  }
  log.writeMethodEnd(kLabel);
  return *response;
}

ExecutionResponse RequestDispatcher::runProcessor(int32_t mode, const Text& input) {
  switch (mode) {
    case kUrlMode:
      parts_.window.setCharacterMessage(parts_.lines.getMessage(responses::kWebAddress, input));
      return parts_.urls.process(input);
    case kSearchMode:
      parts_.window.setCharacterMessage(
          parts_.lines.getMessage(responses::kSearch, TextView(input).substr(1)));
      return parts_.searches.process(input);
    default:
      return parts_.defaults.process(input);
  }
}

}  // namespace pipit
