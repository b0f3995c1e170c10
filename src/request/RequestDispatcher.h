#pragma once
// One line of input: chooses the processor, falls back to conversation, and
// always answers with one response.
#include <cstdint>

#include "core/Logger.h"
#include "request/CharacterLines.h"
#include "request/DefaultProcessor.h"
#include "request/ExecutionResponse.h"
#include "request/GoogleProcessor.h"
#include "request/InputFormControl.h"
#include "request/NaturalProcessor.h"
#include "request/URLProcessor.h"

namespace pipit {

class RequestDispatcher {
 public:
  static constexpr int32_t kCommandMode = 0;
  static constexpr int32_t kUrlMode = 1;
  static constexpr int32_t kSearchMode = 2;

  struct Parts {
    Logger& logger;
    CharacterLines& lines;
    InputFormControl& window;
    DefaultProcessor& defaults;
    URLProcessor& urls;
    GoogleProcessor& searches;
    NaturalProcessor& conversation;
  };

  explicit RequestDispatcher(const Parts& parts) : parts_(parts) {}

  ExecutionResponse dispatch(const Text& input);
  static int32_t getMode(TextView input);

 private:
  ExecutionResponse runProcessor(int32_t mode, const Text& input);

  Parts parts_;
};

}  // namespace pipit
