#pragma once
// What can be done with the row chosen in the input box's list besides
// starting it, each with its key and in the row's small menu: open the folder
// that holds its target, start it as administrator, copy its full path, make
// it a command. A row offers only what fits what it starts.
#include <cstdint>
#include <vector>

#include "base/Text.h"
#include "finding/ListKind.h"

namespace pipit {

enum class RowAction : std::uint8_t {
  openFolder,   // Ctrl+Enter: Explorer, the target selected
  runAsAdmin,   // Ctrl+Shift+Enter: the shell's "runas"
  copyPath,     // Ctrl+Shift+C
  makeCommand,  // F2: the settings dialog with it as a new command
  copyResult,   // Enter on the calculator's answer: its digits on the clipboard
};

// The row chosen, as far as its actions need it.
struct ChosenRow {
  ListKind kind = ListKind::CommandWord;
  Text name;
  Text target;  // a command word's path; a program's shortcut or app address
  Text file{};  // the file a program's shortcut starts, when known
};

// The path an action works on: the file a shortcut starts where it is known
// (the program, not the shortcut to it), else the row's target, without the
// quotes around it.
Text actionPath(const ChosenRow& row);

// The actions the row offers, in menu order.
std::vector<RowAction> rowActions(const ChosenRow& row);

// The menu's text of an action, with its key after a tab.
Text actionLabel(RowAction action);

}  // namespace pipit
