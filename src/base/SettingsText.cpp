#include "base/SettingsText.h"

namespace pipit {
namespace {

// The length of the UTF-8 sequence at the start of `bytes`: 0 when it is
// invalid, or, with `cut`, the bytes left when it is merely broken off.
std::size_t sequenceLength(std::string_view bytes, bool cut) {
  const auto b0 = static_cast<unsigned char>(bytes[0]);
  std::size_t size = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (b0 < 0x80) return 1;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    size = 2;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    size = 3;
    if (b0 == 0xE0) low = 0xA0;   // overlong
    if (b0 == 0xED) high = 0x9F;  // surrogates
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    size = 4;
    if (b0 == 0xF0) low = 0x90;   // overlong
    if (b0 == 0xF4) high = 0x8F;  // above U+10FFFF
  } else {
    return 0;
  }
  for (std::size_t k = 1; k < size; ++k) {
    if (k >= bytes.size()) return cut ? bytes.size() : 0;
    const auto b = static_cast<unsigned char>(bytes[k]);
    if (b < (k == 1 ? low : 0x80) || b > (k == 1 ? high : 0xBF)) return 0;
  }
  return size;
}

bool isAscii(std::string_view bytes) {
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

bool isUtf8(std::string_view bytes, bool cut) {
  while (!bytes.empty()) {
    const std::size_t n = sequenceLength(bytes, cut);
    if (n == 0) return false;
    bytes.remove_prefix(n);
  }
  return true;
}

SettingsForm detectSettingsForm(std::string_view bytes, bool whole) {
  SettingsForm form;
  if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
    form.encoding = TextEncoding::Utf8;
    form.bomSize = kUtf8Bom.size();
  } else if (!isAscii(bytes) && isUtf8(bytes, !whole)) {
    form.encoding = TextEncoding::Utf8;
  }
  form.lfEndsLines = bytes.find('\r') == std::string_view::npos;
  return form;
}

std::vector<std::string_view> splitByteLines(std::string_view bytes, bool lfEndsLines) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    // Files with CR, the usual ones, look for one byte, which find() does
    // with memchr; find_first_of() tests every byte against a set.
    const auto end = lfEndsLines ? bytes.find_first_of("\r\n", start) : bytes.find('\r', start);
    if (end == std::string_view::npos) {
      lines.push_back(bytes.substr(start));
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 1;
    if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
  }
  return lines;
}

std::vector<std::string_view> splitByteTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    const auto tab = line.find('\t');
    fields.push_back(line.substr(0, tab));
    if (tab == std::string_view::npos) return fields;
    line.remove_prefix(tab + 1);
  }
}

std::string_view trimByteBlanks(std::string_view bytes) {
  const auto first = bytes.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return bytes.substr(first, bytes.find_last_not_of(' ') - first + 1);
}

Text decodeSettings(std::string_view bytes, TextEncoding encoding, const CodePage& codePage) {
  // Most fields are ASCII in every encoding; they need no converter.
  if (isAscii(bytes)) return Text(bytes.begin(), bytes.end());
  return encoding == TextEncoding::Utf8 ? fromUtf8(bytes) : codePage.decode(bytes);
}

std::string encodeSettings(TextView text, const CodePage& codePage) {
  // Code page bytes that happen to be valid UTF-8 would be read back as
  // UTF-8: those files are written as UTF-8 from the start.
  if (auto ansi = codePage.encodeExactly(text); ansi && (isAscii(*ansi) || !isUtf8(*ansi))) {
    return std::move(*ansi);
  }
  return std::string(kUtf8Bom) + toUtf8(text);
}

}  // namespace pipit
