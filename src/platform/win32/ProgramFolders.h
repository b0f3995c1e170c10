#pragma once
// The folders the shell lists programs from.
#include <vector>

#include "base/Text.h"

namespace pipit::win32 {

struct ProgramFolder {
  Text path;
  bool withSubfolders;  // false: the shortcuts at its top only
};

// The Start Menu programs of the user and of everyone, with their
// subfolders, and the user's and everyone's desktop, their tops only: below
// the top of a desktop lie the user's documents and projects, not programs
// (under Wine the desktop is the whole Unix home folder), and walking them
// would make every scan slow and every saved file a change. Folders the
// system does not have are left out.
std::vector<ProgramFolder> knownProgramFolders();

}  // namespace pipit::win32
