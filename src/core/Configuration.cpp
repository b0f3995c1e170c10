#include "core/Configuration.h"

#include "base/Number.h"
#include "core/SettingKeys.h"

namespace pipit {

Text Configuration::toString(TextView delimiter) const {
  Text text;
  auto line = [&](TextView key, TextView value) {
    text += key;
    text += delimiter;
    text += value;
    text += kCrLf;
  };
  auto flag = [](bool v) { return v ? u"1" : u"0"; };
  line(keys::kHiddenMode, flag(hiddenMode_));
  line(keys::kHiddenDelay, decimalText(hiddenDelay_));
  line(keys::kHotKeyMod, hotKeyMod_);
  line(keys::kHotKeyValue, hotKeyValue_);
  line(keys::kGoogleUrl, googleURL_);
  line(keys::kGoogleEncoding, googleEncoding_);
  line(keys::kDebugMode, flag(debugMode_));
  line(keys::kNewIE, flag(newIE_));
  line(keys::kStyle, flag(styleSimple_));
  line(keys::kTop, decimalText(formTop_));
  line(keys::kLeft, decimalText(formLeft_));
  for (const auto& command : commands_) {
    text += command->toString(delimiter);
    text += kCrLf;
  }
  return text;
}

}  // namespace pipit
