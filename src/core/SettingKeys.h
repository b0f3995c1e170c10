#pragma once
#include <string_view>

#include "base/Text.h"

namespace pipit::keys {

// Every key starts so, in the file's bytes too.
inline constexpr std::string_view kStart = "PREF/";

inline constexpr TextView kHiddenMode = u"PREF/HIDDEN_MODE";
inline constexpr TextView kHiddenDelay = u"PREF/HIDDEN_DELAY";
inline constexpr TextView kHotKeyValue = u"PREF/HOTKEY_VALUE";
inline constexpr TextView kHotKeyMod = u"PREF/HOTKEY_MOD";
inline constexpr TextView kGoogleUrl = u"PREF/GOOGLE_URL";
inline constexpr TextView kGoogleEncoding = u"PREF/GOOGLE_ENCODING";
inline constexpr TextView kTop = u"PREF/TOP";
inline constexpr TextView kLeft = u"PREF/LEFT";
inline constexpr TextView kDebugMode = u"PREF/DEBUG_MODE";
inline constexpr TextView kNewIE = u"PREF/NEWIE";
inline constexpr TextView kStyle = u"PREF/STYLE";
inline constexpr TextView kBackgroundImage = u"PREF/BACKGROUND_IMAGE";

}  // namespace pipit::keys
