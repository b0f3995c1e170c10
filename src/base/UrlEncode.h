#pragma once
// The query-text encoding shared by the launcher's web search and the web
// companion programs: UTF-8 percent escapes, "+" for a space.
#include "base/Text.h"

namespace pipit {

// Each UTF-16 code unit is encoded on its own, so a surrogate becomes its own
// three-byte escape. "@" stays as it is; "~" is escaped.
Text urlEncode(TextView text);

}  // namespace pipit
