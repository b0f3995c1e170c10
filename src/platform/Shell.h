#pragma once
#include <cstdint>

#include "base/Text.h"

namespace pipit {

// The desktop shell's open call: programs, documents, folders and addresses
// open as on a double click.
class Shell {
 public:
  virtual ~Shell() = default;
  // Opens `file` with its default verb, handing over the parameters and the
  // working directory ("" = none). Returns the shell's number: above 32 means
  // started, 32 or less is its error code.
  virtual int64_t open(const Text& file, const Text& parameters, const Text& directory) = 0;
};

}  // namespace pipit
