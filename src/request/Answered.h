#pragma once
// Request handling answers every input: whatever goes wrong below a
// processor becomes the "no response" error rather than an exception in the
// window's handler. The answer is logged, then the end of the method.
#include <optional>

#include "core/Logger.h"
#include "request/ExecutionResponse.h"

namespace pipit {

template <class Run>
ExecutionResponse answered(Logger& logger, TextView label, Run&& run) {
  std::optional<ExecutionResponse> response;
  try {
    response = run();
  } catch (...) {
    response.reset();
  }
  if (!response) response = ExecutionResponse::missing(u"100");
  if (logger.enabled()) logger.writeLog(label, response->toLogText());
  logger.writeMethodEnd(label);
  return *response;
}

}  // namespace pipit
