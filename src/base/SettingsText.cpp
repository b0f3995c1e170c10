#include "base/SettingsText.h"

#include <algorithm>

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

// Every byte that is not ASCII is one Shift-JIS gives a half-width katakana.
bool isKatakanaOnly(std::string_view bytes) {
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x80 && (b < 0xA1 || b > 0xDF)) return false;
  }
  return true;
}

// Code page 932 leaves rows 0x85, 0x86, 0xEB, 0xEC and 0xEF empty.
bool isShiftJisLead(unsigned char b) {
  if (b == 0x85 || b == 0x86 || b == 0xEB || b == 0xEC || b == 0xEF) return false;
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Calls `line(content, end)` for each line, `end` being the bytes that
// ended it (empty for a last line without an end).
template <class Line>
void eachLine(std::string_view bytes, bool lfEndsLines, Line line) {
  std::size_t start = 0;
  while (start < bytes.size()) {
    // Files with CR, the usual ones, look for one byte, which find() does
    // with memchr; find_first_of() tests every byte against a set.
    const auto end = lfEndsLines ? bytes.find_first_of("\r\n", start) : bytes.find('\r', start);
    if (end == std::string_view::npos) {
      line(bytes.substr(start), std::string_view());
      return;
    }
    std::size_t next = end + 1;
    if (bytes[end] == '\r' && next < bytes.size() && bytes[next] == '\n') ++next;
    line(bytes.substr(start, end - start), bytes.substr(end, next - end));
    start = next;
  }
}

// A line in UTF-8 that Shift-JIS text practically never is: Japanese in
// UTF-8 takes three bytes a character, and lead bytes from 0xE0 up exist in
// valid UTF-8 only as the start of three- and four-byte forms.
bool hasUtf8Line(std::string_view bytes, bool lfEndsLines) {
  bool found = false;
  eachLine(bytes, lfEndsLines, [&](std::string_view line, std::string_view) {
    if (found) return;
    const bool longForm = std::any_of(line.begin(), line.end(),
                                      [](char c) { return static_cast<unsigned char>(c) >= 0xE0; });
    found = longForm && isUtf8(line);
  });
  return found;
}

TextEncoding legacyEncoding(std::string_view bytes) {
  return isShiftJis(bytes) ? TextEncoding::ShiftJis : TextEncoding::Ansi;
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

bool isShiftJis(std::string_view bytes, bool cut) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80 || (b >= 0xA1 && b <= 0xDF)) continue;
    if (!isShiftJisLead(b)) return false;
    if (++i == bytes.size()) return cut;
    const auto trail = static_cast<unsigned char>(bytes[i]);
    if (trail < 0x40 || trail == 0x7F || trail > 0xFC) return false;
  }
  return true;
}

SettingsForm detectSettingsForm(std::string_view bytes, bool whole) {
  SettingsForm form;
  form.lfEndsLines = bytes.find('\r') == std::string_view::npos;
  if (bytes.starts_with(kUtf8Bom)) {
    form.bomSize = kUtf8Bom.size();
    bytes.remove_prefix(form.bomSize);
    form.encoding = isUtf8(bytes, !whole) ? TextEncoding::Utf8 : TextEncoding::ByLine;
  } else if (isAscii(bytes)) {
    form.encoding = TextEncoding::Ansi;
  } else if (isUtf8(bytes, !whole)) {
    form.encoding = isKatakanaOnly(bytes) ? TextEncoding::ShiftJis : TextEncoding::Utf8;
  } else if (hasUtf8Line(bytes, form.lfEndsLines)) {
    form.encoding = TextEncoding::ByLine;
  } else {
    form.encoding = isShiftJis(bytes, !whole) ? TextEncoding::ShiftJis : TextEncoding::Ansi;
  }
  return form;
}

TextEncoding lineEncoding(std::string_view line, TextEncoding fileEncoding) {
  switch (fileEncoding) {
    case TextEncoding::ByLine:
      return isUtf8(line) && !isKatakanaOnly(line) ? TextEncoding::Utf8 : legacyEncoding(line);
    case TextEncoding::Utf8:
      return isUtf8(line) ? TextEncoding::Utf8 : legacyEncoding(line);
    case TextEncoding::Ansi:
    case TextEncoding::ShiftJis:
      break;
  }
  return fileEncoding;
}

std::vector<std::string_view> splitByteLines(std::string_view bytes, bool lfEndsLines) {
  std::vector<std::string_view> lines;
  eachLine(bytes, lfEndsLines,
           [&](std::string_view line, std::string_view) { lines.push_back(line); });
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

Text decodeSettings(std::string_view bytes, TextEncoding encoding, const CodePage& codePage,
                    bool* lossy) {
  // Most fields are ASCII in every encoding; they need no converter.
  if (isAscii(bytes)) return Text(bytes.begin(), bytes.end());
  switch (lineEncoding(bytes, encoding)) {
    case TextEncoding::Utf8:
      return fromUtf8(bytes);
    case TextEncoding::ShiftJis:
      return codePage.shiftJis().decode(bytes, lossy);
    case TextEncoding::Ansi:
    case TextEncoding::ByLine:
      break;
  }
  return codePage.decode(bytes, lossy);
}

Text decodeSettingsFile(std::string_view bytes, const CodePage& codePage, bool* lossy) {
  const SettingsForm form = detectSettingsForm(bytes);
  bytes.remove_prefix(form.bomSize);
  if (form.encoding != TextEncoding::ByLine) {
    return decodeSettings(bytes, form.encoding, codePage, lossy);
  }
  Text text;
  text.reserve(bytes.size());
  eachLine(bytes, form.lfEndsLines, [&](std::string_view line, std::string_view end) {
    text += decodeSettings(line, TextEncoding::ByLine, codePage, lossy);
    text.append(end.begin(), end.end());
  });
  return text;
}

std::string encodeSettings(TextView text, const CodePage& codePage) {
  // The reader judges unmarked bytes by their look: code page bytes that
  // would be taken for UTF-8, or on another system for Shift-JIS, are
  // written as UTF-8 with a mark instead. Bytes read with the page that made
  // them give back the text they were made from.
  if (auto ansi = codePage.encodeExactly(text)) {
    const TextEncoding read = detectSettingsForm(*ansi).encoding;
    if (read == TextEncoding::Ansi || (read == TextEncoding::ShiftJis && codePage.isShiftJis())) {
      return std::move(*ansi);
    }
  }
  return encodeUtf8WithMark(text);
}

std::string encodeUtf8WithMark(TextView text) { return std::string(kUtf8Bom) + toUtf8(text); }

}  // namespace pipit
