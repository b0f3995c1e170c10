#pragma once
// The file names a name is also found by: "notepad" for メモ帳, whose
// shortcut starts notepad.exe, "Notepad" for the shortcut Notepad.lnk that
// the shell shows as メモ帳, "Maker.Game" for a packaged app's id.
#include <vector>

#include "base/Text.h"
#include "platform/InstalledPrograms.h"

namespace pipit {

// The last part of a path without its extension ("C:\Tools\vim.exe" gives
// "vim"); quotes around the path are left out. Nothing for a web address,
// a built-in "$" keyword or text with no file name in it.
Text fileStem(TextView path);

// The shortcut's own name and the name of the file it starts, or a packaged
// app's package name: each once, and none that reads as the shown name.
std::vector<Text> programFileNames(const InstalledProgram& program);

// Where a program lives, to tell apart two of one name: the folder that
// holds its shortcut ("Accessories"), or a packaged app's package name.
Text programPlace(const InstalledProgram& program);

}  // namespace pipit
