#pragma once
// What a key or a change in the input box means at the moment it comes: the
// same Enter sends, closes the open list or confirms a composition. The
// window reports the message and the box's state and performs the answer.
namespace pipit {

enum class InputEvent {
  KeyDown,            // a key went down in the box's edit
  Char,               // a character came to the box's edit
  CompositionResult,  // the input method committed text into the edit
  CompositionEnd,     // the input method's composition closed in the edit
  Edited,             // the box's text changed
};

// F2 makes the program in the box a command, as F2 edits a name elsewhere
// in Windows. Ctrl+Enter opens the chosen row's folder, Ctrl+Shift+Enter
// starts it as administrator, Ctrl+Shift+C copies its path.
enum class InputKey { Enter, Escape, MakeCommand, OpenFolder, RunAsAdmin, CopyPath, Other };

struct InputState {
  bool inEdit = true;        // the message is the edit's, not the combo box's
  bool listDropped = false;  // the drop-down list is open
  bool composing = false;    // an input-method composition is open
  bool adjusting = false;    // the window itself is changing the box
};

enum class InputAction {
  PassToControl,  // the control handles it as it would without her
  Send,           // ExecutionButton_Click
  Hide,           // onEscape
  CloseList,      // closes the list and swallows the key
  NarrowList,     // after the control has had it: the list follows the box
  MakeCommand,    // closes the list, then InputForm::onMakeCommand
  RowAction,      // closes the list, then InputForm::onRowAction for the key
};

InputAction decideInput(InputEvent event, InputKey key, const InputState& state);

}  // namespace pipit
