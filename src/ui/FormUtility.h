#pragma once
// The hot-key names of the settings as the system knows them.
#include <cstdint>

#include "base/Text.h"

namespace pipit {

// "ALT", "CTRL", "SHIFT" give the modifier flags 1, 2 and 4; "0" to "9" and
// "A" to "Z" give their virtual-key codes; anything else (lower case, two
// modifiers, empty) gives 0, no key.
uint8_t getKeyCode(TextView name);

}  // namespace pipit
