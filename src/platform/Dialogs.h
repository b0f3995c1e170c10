#pragma once
#include "base/Text.h"

namespace pipit {

// YesNoDefaultNo: Yes and No, with No the button Enter presses.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, YesNoDefaultNo };
enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageAnswer { Ok, Cancel, Yes, No };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A modal message box; an empty title shows the program title.
  virtual MessageAnswer messageBox(const Text& prompt, const Text& title, MessageButtons buttons,
                                   MessageIcon icon) = 0;
};

}  // namespace pipit
