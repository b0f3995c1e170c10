#pragma once
#include "base/Text.h"

namespace pipit {

// Where a picture named in a model, or one of the fixed "model/..." pictures,
// is found. Relative names are taken from the program's folder rather than
// the current directory: a launcher started at logon runs in another working
// directory and would find none of its pictures. Absolute names ("C:\...",
// "\\server\...", "\...") stay as written.
Text resolvePicturePath(TextView programFolder, TextView name);

}  // namespace pipit
