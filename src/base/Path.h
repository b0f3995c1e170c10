#pragma once
// Windows path helpers. Paths are text with "\" separators on every platform.
#include "base/Text.h"

namespace pipit {

// Adds "\" to a folder path unless its last character already is one, so that
// a drive root such as "C:\" does not get a doubled separator.
Text appendPathSeparator(TextView folder);

}  // namespace pipit
