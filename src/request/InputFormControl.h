#pragma once
// What request handling asks of the character window, beyond what start-up
// drives; request handling never sees a window.
#include "base/Text.h"
#include "core/LauncherParts.h"

namespace pipit {

class InputFormControl : public MainWindowControl {
 public:
  // CharacterMessage: the line prepared for a successful response.
  virtual Text getCharacterMessage() const = 0;
  virtual void setCharacterMessage(const Text& line) = 0;
  // Empties the input box, then hides the window: at once when forcedHide,
  // otherwise as the hidden-mode settings say (after the delay when
  // hideDelay).
  virtual void clearForm(bool forcedHide, bool hideDelay) = 0;
  // SimpleMode, as MainWindowControl::setSimpleMode last wrote it.
  virtual bool isSimpleMode() const = 0;
  // Lays the window out again in the current style.
  virtual void visualize() = 0;
  // Writes straight into the balloon text box txtMessage.
  virtual void setTxtMessage(const Text& text) = 0;
};

}  // namespace pipit
