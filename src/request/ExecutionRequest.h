#pragma once
#include "base/Text.h"

namespace pipit {

// One thing to start: a program, document, folder, address or built-in
// keyword, with its arguments and working directory ("" = none given).
class ExecutionRequest {
 public:
  Text getExecutionPath() const { return executionPath_; }
  void setExecutionPath(Text value) { executionPath_ = std::move(value); }
  Text getParameter() const { return parameter_; }
  void setParameter(Text value) { parameter_ = std::move(value); }
  Text getExecutionDirectory() const { return executionDirectory_; }
  void setExecutionDirectory(Text value) { executionDirectory_ = std::move(value); }

 private:
  Text executionPath_;
  Text parameter_;
  Text executionDirectory_;
};

}  // namespace pipit
