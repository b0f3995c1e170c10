#include "core/Configuration.h"

#include "base/Number.h"
#include "core/SettingKeys.h"

namespace pipit {

Text Configuration::toString(TextView delimiter) const {
  // Sized once: a table of 32767 rows is megabytes, which growing by
  // doubling would copy again and again.
  constexpr std::size_t kSettingLines = 1024;  // ample for the eleven above
  std::size_t size = kSettingLines + googleURL_.size() + hotKeyMod_.size() + hotKeyValue_.size() +
                     googleEncoding_.size();
  for (const auto& command : commands_) size += command->textSize(delimiter.size()) + 2;
  Text text;
  text.reserve(size + kCrLf.size());
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
    command->appendTo(text, delimiter);
    text += kCrLf;
  }
  return text;
}

}  // namespace pipit
