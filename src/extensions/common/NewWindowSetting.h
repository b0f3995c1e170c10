#pragma once
// Whether the user wants web pages in a new browser window: the launcher's
// "PREF/NEWIE" setting, read from its "config.txt" one folder above ours.
#include <optional>

#include "base/CodePage.h"
#include "base/Text.h"
#include "extensions/common/ByteLines.h"

namespace pipit::ext {

// "config.txt" in the launcher's folder, for a program in its "extention\"
// folder; nothing for a program kept anywhere else.
std::optional<Text> launcherSettingsPath(TextView programFolder);

// True when the first "PREF/NEWIE" setting line holds "1", blanks around it
// removed. A file that cannot be read, or has no such line, means false.
bool readNewIESetting(ByteSource& file, const CodePage& codePage);

bool loadNewIESetting(TextView programFolder, FileOpener& files, const CodePage& codePage);

}  // namespace pipit::ext
