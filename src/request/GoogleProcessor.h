#pragma once
// "?" or "？" and a text: a web search at the configured address.
#include "core/Logger.h"
#include "request/ExecutionResponse.h"
#include "request/LauncherCore.h"
#include "request/URLProcessor.h"

namespace pipit {

class GoogleProcessor {
 public:
  GoogleProcessor(Logger& logger, LauncherCore& core, URLProcessor& urls)
      : logger_(logger), core_(core), urls_(urls) {}
  // Takes the whole input with its question mark.
  ExecutionResponse process(const Text& input);

 private:
  Logger& logger_;
  LauncherCore& core_;
  URLProcessor& urls_;
};

}  // namespace pipit
