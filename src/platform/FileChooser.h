#pragma once
#include <optional>

#include "base/Text.h"

namespace pipit {

// The system's dialog for choosing a file to open.
class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // Asks the user for a file, offering `initialName` as the name at first.
  // Nothing when the user cancels or the dialog cannot be shown.
  virtual std::optional<Text> chooseFile(const Text& initialName) = 0;
};

}  // namespace pipit
