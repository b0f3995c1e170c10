#include "base/UrlEncode.h"

#include <cstdint>

namespace pipit {
namespace {

constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";
// Three escapes of three characters each.
constexpr std::size_t kMostPerUnit = 9;

bool staysAsIs(char16_t c) {
  return (c >= u'@' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') ||
         c == u'*' || c == u'-' || c == u'.' || c == u'_';
}

char16_t* putEscape(char16_t* out, uint32_t byte) {
  out[0] = u'%';
  out[1] = kHexDigits[(byte >> 4) & 0xF];
  out[2] = kHexDigits[byte & 0xF];
  return out + 3;
}

}  // namespace

Text urlEncode(TextView text) {
  if (text.empty()) return {};
  // One allocation for the longest possible result, written from the left
  // and cut once: no reallocation however long the text.
  Text result(text.size() * kMostPerUnit, u'\0');
  char16_t* out = result.data();
  for (const char16_t unit : text) {
    const uint32_t c = unit;
    if (c == 0x20) {
      *out++ = u'+';
    } else if (c < 0x80) {
      if (staysAsIs(unit)) {
        *out++ = unit;
      } else {
        out = putEscape(out, c);
      }
    } else if (c < 0x800) {
      out = putEscape(out, 0xC0 + c / 64);
      out = putEscape(out, 0x80 + c % 64);
    } else {
      out = putEscape(out, 0xE0 + c / 4096);
      out = putEscape(out, 0x80 + (c / 64) % 64);
      out = putEscape(out, 0x80 + c % 64);
    }
  }
  result.resize(static_cast<std::size_t>(out - result.data()));
  return result;
}

}  // namespace pipit
