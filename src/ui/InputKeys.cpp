#include "ui/InputKeys.h"

namespace pipit {

InputAction decideInput(InputEvent event, InputKey key, const InputState& state) {
  switch (event) {
    case InputEvent::KeyDown:
      if (key == InputKey::MakeCommand) {
        return state.inEdit && !state.composing ? InputAction::MakeCommand
                                                : InputAction::PassToControl;
      }
      if (key == InputKey::OpenFolder || key == InputKey::RunAsAdmin || key == InputKey::CopyPath) {
        return state.inEdit && !state.composing ? InputAction::RowAction
                                                : InputAction::PassToControl;
      }
      // With the list open, the combo box would take Enter and Escape itself
      // and may put its highlighted row in the box; the box is sent as the
      // user sees it, by the character that follows.
      if (key != InputKey::Other && state.inEdit && !state.composing && state.listDropped)
        return InputAction::CloseList;
      return InputAction::PassToControl;
    case InputEvent::Char:
      if (!state.inEdit) return InputAction::PassToControl;
      // Enter that confirms a composition belongs to the input method.
      if (key == InputKey::Enter && !state.composing) return InputAction::Send;
      if (key == InputKey::Escape) return InputAction::Hide;
      return InputAction::PassToControl;
    case InputEvent::CompositionResult:
    case InputEvent::CompositionEnd:
      return state.inEdit ? InputAction::NarrowList : InputAction::PassToControl;
    case InputEvent::Edited:
      // A composition narrows the list once, when it is committed; the box's
      // own changes are not the user's.
      return state.composing || state.adjusting ? InputAction::PassToControl
                                                : InputAction::NarrowList;
  }
  return InputAction::PassToControl;
}

}  // namespace pipit
