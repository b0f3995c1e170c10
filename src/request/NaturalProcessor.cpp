#include "request/NaturalProcessor.h"

namespace pipit {
namespace {
constexpr TextView kLabel = u"NaturalProcessor.process()";
}  // namespace

ExecutionResponse NaturalProcessor::process(const Text& input) {
  logger_.writeMethodStart(kLabel);
  if (logger_.enabled()) logger_.writeLog(kLabel, u"会話文字列：" + input);
  Text line = lines_.getMessage(trimBlanks(input), u"");
  ExecutionResponse response;
  if (!line.empty()) {
    response.setDescription(std::move(line));
  } else {
    // A miss carries no code: the dispatcher keeps the earlier error.
    response.setError(true);
  }
  if (logger_.enabled()) logger_.writeLog(kLabel, response.toLogText());
  logger_.writeMethodEnd(kLabel);
  return response;
}

}  // namespace pipit
