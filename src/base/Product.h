#pragma once
// The launcher's name as the user sees it: captions, the tray tip and the
// logon auto-start entry.
#include "base/Text.h"

namespace pipit {

constexpr TextView kProductName = u"ピピットランチャー";

}  // namespace pipit
