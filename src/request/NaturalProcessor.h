#pragma once
// Conversation: the typed text as a key of the character's lines.
#include "core/Logger.h"
#include "request/CharacterLines.h"
#include "request/ExecutionResponse.h"

namespace pipit {

class NaturalProcessor {
 public:
  NaturalProcessor(Logger& logger, CharacterLines& lines) : logger_(logger), lines_(lines) {}
  ExecutionResponse process(const Text& input);

 private:
  Logger& logger_;
  CharacterLines& lines_;
};

}  // namespace pipit
