#pragma once
// What her input box reports, once it has decided what a key, a change or
// a drop means (see InputKeys.h). InputForm takes them.
#include "base/Text.h"
#include "finding/RowActions.h"

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
  // An action's key, with the list already closed.
  virtual void onRowAction(RowAction action) = 0;
  // The context-menu key or Shift+F10 in the box: the chosen row's menu.
  // False when no row is chosen, or it offers nothing: the box's own menu
  // is shown then.
  virtual bool onRowMenu() = 0;
  // Files, text or anything else dropped on the box, once the drag is
  // over: the first file's name, or nothing.
  virtual void onFilesDropped(const Text& firstFile) = 0;
};

}  // namespace pipit
