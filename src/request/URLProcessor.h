#pragma once
// A typed web address, or the address of a web search.
#include "core/Logger.h"
#include "request/ExecutionResponse.h"
#include "request/ShellExecutor.h"

namespace pipit {

class URLProcessor {
 public:
  URLProcessor(Logger& logger, ShellExecutor& shell) : logger_(logger), shell_(shell) {}
  ExecutionResponse process(const Text& input);

 private:
  Logger& logger_;
  ShellExecutor& shell_;
};

}  // namespace pipit
