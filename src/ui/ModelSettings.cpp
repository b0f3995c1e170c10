#include "ui/ModelSettings.h"

#include "base/Number.h"

namespace pipit {
namespace {

struct NumberKey {
  TextView key;
  ModelSettings::Number slot;
  bool sixteenBit;
};

constexpr NumberKey kNumberKeys[] = {
    {u"CONF/EYES_LEFT", ModelSettings::EyesLeft, false},
    {u"CONF/EYES_TOP", ModelSettings::EyesTop, false},
    {u"CONF/MBAL_LEFT", ModelSettings::MbalLeft, false},
    {u"CONF/MBAL_TOP", ModelSettings::MbalTop, false},
    {u"CONF/UBAL_LEFT", ModelSettings::UbalLeft, false},
    {u"CONF/UBAL_TOP", ModelSettings::UbalTop, false},
    {u"CONF/TXT_LEFT", ModelSettings::TxtLeft, false},
    {u"CONF/TXT_TOP", ModelSettings::TxtTop, false},
    {u"CONF/TXT_WIDTH", ModelSettings::TxtWidth, false},
    {u"CONF/TXT_HEIGHT", ModelSettings::TxtHeight, false},
    {u"CONF/INPUT_LEFT", ModelSettings::InputLeft, false},
    {u"CONF/INPUT_TOP", ModelSettings::InputTop, false},
    {u"CONF/INPUT_WIDTH", ModelSettings::InputWidth, false},
    {u"CONF/BTN_LEFT", ModelSettings::BtnLeft, false},
    {u"CONF/BTN_TOP", ModelSettings::BtnTop, false},
    {u"CONF/BTN_WIDTH", ModelSettings::BtnWidth, false},
    {u"CONF/BTN_HEIGHT", ModelSettings::BtnHeight, false},
    {u"CONF/FORM_WIDTH", ModelSettings::FormWidth, true},
    {u"CONF/FORM_HEIGHT", ModelSettings::FormHeight, true},
};

constexpr TextView kYobina = u"CONF/YOBINA";
constexpr TextView kBtnCaption = u"CONF/BTN_CAPTION";

const NumberKey* findNumber(TextView key) {
  for (const NumberKey& entry : kNumberKeys) {
    if (entry.key == key) return &entry;
  }
  return nullptr;
}

}  // namespace

bool ModelSettings::isListed(TextView key) {
  return key == kYobina || key == kBtnCaption || findNumber(key) != nullptr;
}

Status ModelSettings::set(TextView key, TextView value) {
  if (key == kYobina) {
    yobina_ = Text(value);
    return Status::success();
  }
  if (key == kBtnCaption) {
    btnCaption_ = Text(value);
    return Status::success();
  }
  const NumberKey* entry = findNumber(key);
  if (entry == nullptr) return Status::success();
  if (entry->sixteenBit) {
    auto number = toInt16(value);
    if (!number) return number.failure();
    numbers_[entry->slot] = number.value();
  } else {
    auto number = toInt32(value);
    if (!number) return number.failure();
    numbers_[entry->slot] = number.value();
  }
  return Status::success();
}

}  // namespace pipit
