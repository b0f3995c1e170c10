#pragma once
// What her input box reports, once it has decided what a key, a change or
// a drop means (see InputKeys.h). InputForm takes them.
#include "base/Text.h"

namespace pipit {

class InputBoxEvents {
 public:
  virtual ~InputBoxEvents() = default;

  // Enter: the box's text is sent.
  virtual void onSend() = 0;
  // Escape: she empties the box and hides.
  virtual void onEscape() = 0;
  // The user changed the box's text: typed, deleted, pasted or committed a
  // composition.
  virtual void onInputEdited() = 0;
  // F2, with the list already closed.
  virtual void onMakeCommand() = 0;
  // Files, text or anything else dropped on the box, once the drag is
  // over: the first file's name, or nothing.
  virtual void onFilesDropped(const Text& firstFile) = 0;
};

}  // namespace pipit
