#pragma once
// What request handling asks of the character window. The window implements
// this beside MainWindowControl; request handling never sees a window.
#include "base/Text.h"

namespace pipit {

class InputFormControl {
 public:
  virtual ~InputFormControl() = default;

  // CharacterMessage: the line prepared for a successful response.
  virtual Text getCharacterMessage() const = 0;
  virtual void setCharacterMessage(const Text& line) = 0;
  // Empties the input box, then hides the window: at once when forcedHide,
  // otherwise as the hidden-mode settings say (after the delay when
  // hideDelay).
  virtual void clearForm(bool forcedHide, bool hideDelay) = 0;
  // SimpleMode: the same flag as MainWindowControl::setSimpleMode writes.
  virtual bool isSimpleMode() const = 0;
  virtual void setSimpleMode(bool simple) = 0;
  // Lays the window out again in the current style.
  virtual void visualize() = 0;
  // Writes straight into the balloon text box txtMessage.
  virtual void setTxtMessage(const Text& text) = 0;
};

}  // namespace pipit
