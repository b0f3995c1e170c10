#include "ui/FormUtility.h"

namespace pipit {

uint8_t getKeyCode(TextView name) {
  if (name == u"ALT") return 0x01;
  if (name == u"CTRL") return 0x02;
  if (name == u"SHIFT") return 0x04;
  if (name.size() != 1) return 0;
  const char16_t c = name[0];
  // Digits and capital letters are their own virtual-key codes.
  if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z')) return static_cast<uint8_t>(c);
  return 0;
}

}  // namespace pipit
