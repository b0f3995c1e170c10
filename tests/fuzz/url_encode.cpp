// The query-text encoding of the web search and the web companion programs:
// only the characters that stay as they are, "+" and "%XX" come out, and the
// escapes decode to the UTF-8 of the input, each UTF-16 unit on its own.
#include <algorithm>
#include <optional>

#include "FuzzSupport.h"
#include "base/UrlEncode.h"

using namespace pipit;

namespace {

bool staysAsIs(char16_t c) {
  return (c >= u'@' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') ||
         c == u'*' || c == u'-' || c == u'.' || c == u'_';
}

int hexValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;  // lower case is not written either
}

// The bytes the escapes stand for; nothing when a character is not allowed.
std::optional<std::string> decodeQuery(const Text& query) {
  std::string bytes;
  for (std::size_t i = 0; i < query.size(); ++i) {
    const char16_t c = query[i];
    if (c == u'+') {
      bytes += ' ';
    } else if (staysAsIs(c)) {
      bytes += static_cast<char>(c);
    } else if (c == u'%' && i + 2 < query.size() && hexValue(query[i + 1]) >= 0 &&
               hexValue(query[i + 2]) >= 0) {
      bytes += static_cast<char>(hexValue(query[i + 1]) * 16 + hexValue(query[i + 2]));
      i += 2;
    } else {
      return std::nullopt;
    }
  }
  return bytes;
}

// Three bytes for every unit from U+0800 on, surrogates alike.
std::string unitByUnit(const Text& text) {
  std::string bytes;
  for (const char16_t unit : text) {
    if (unit >= 0xD800 && unit <= 0xDFFF) {
      bytes += static_cast<char>(0xE0 | (unit >> 12));
      bytes += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (unit & 0x3F));
    } else {
      bytes += toUtf8(Text(1, unit));
    }
  }
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const Text text = fuzz::unitsOf(data, size);
  const Text query = urlEncode(text);
  PIPIT_FUZZ_CHECK(query.size() <= 9 * text.size(), text);
  const auto bytes = decodeQuery(query);
  PIPIT_FUZZ_CHECK(bytes.has_value(), query);
  PIPIT_FUZZ_CHECK(*bytes == unitByUnit(text), query);
  const bool surrogates =
      std::any_of(text.begin(), text.end(), [](char16_t c) { return c >= 0xD800 && c <= 0xDFFF; });
  if (!surrogates) PIPIT_FUZZ_CHECK(*bytes == toUtf8(text), query);
  return 0;
}
