#include "request/URLProcessor.h"

#include <optional>

namespace pipit {
namespace {
constexpr TextView kLabel = u"URLProcessor.process()";
}  // namespace

ExecutionResponse URLProcessor::process(const Text& input) {
  logger_.writeMethodStart(kLabel);
  if (logger_.enabled()) logger_.writeLog(kLabel, u"入力値：" + input);
  ExecutionRequest request;
  request.setExecutionPath(trimBlanks(input));
  std::optional<ExecutionResponse> response;
  // An executor that fails outright is reported, not passed to the window.
  try {
    response = shell_.execute(request);
  } catch (...) {
    response.reset();
  }
  if (!response) response = ExecutionResponse::missing(u"100");
  if (logger_.enabled()) logger_.writeLog(kLabel, response->toLogText());
  logger_.writeMethodEnd(kLabel);
  return *response;
}

}  // namespace pipit
