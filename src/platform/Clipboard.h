#pragma once
#include "base/Text.h"

namespace pipit {

// The system clipboard as plain text.
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // The clipboard's text; empty when it holds none or cannot be opened.
  virtual Text readText() = 0;
  // Replaces the clipboard's content with the text; false when it cannot.
  virtual bool writeText(const Text& text) = 0;
};

}  // namespace pipit
