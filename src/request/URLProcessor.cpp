#include "request/URLProcessor.h"

#include "request/Answered.h"

namespace pipit {
namespace {
constexpr TextView kLabel = u"URLProcessor.process()";
}  // namespace

ExecutionResponse URLProcessor::process(const Text& input) {
  logger_.writeMethodStart(kLabel);
  if (logger_.enabled()) logger_.writeLog(kLabel, u"入力値：" + input);
  return answered(logger_, kLabel, [&] {
    ExecutionRequest request;
    request.setExecutionPath(trimBlanks(input));
    return shell_.execute(request);
  });
}

}  // namespace pipit
