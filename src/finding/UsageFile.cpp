#include "finding/UsageFile.h"

#include <algorithm>
#include <iterator>
#include <optional>

#include "base/Number.h"
#include "base/SettingsText.h"

namespace pipit {
namespace {

constexpr TextView kCommandWord = u"command";
constexpr TextView kProgram = u"program";
constexpr TextView kChosen = u"chosen";
constexpr std::size_t kFields = 5;
constexpr std::size_t kChoiceFields = 6;

// What a field holds, and the letter after a backslash that stands for it.
struct Escape {
  char16_t plain;
  char16_t letter;
};
constexpr Escape kEscapes[] = {{u'\\', u'\\'}, {u'\t', u't'}, {u'\r', u'r'}, {u'\n', u'n'}};

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

void appendHex4(Text& out, char16_t unit) {
  constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  for (int shift = 12; shift >= 0; shift -= 4) out += kDigits[(unit >> shift) & 0xF];
}

Text escapeField(TextView text) {
  Text out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    const auto escape = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                     [c](const Escape& e) { return e.plain == c; });
    if (escape != std::end(kEscapes)) {
      out += u'\\';
      out += escape->letter;
    } else if (isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
      out += c;
      out += text[++i];
    } else if (isHighSurrogate(c) || isLowSurrogate(c)) {
      // UTF-8 has no form for half a pair: it would come back as U+FFFD and
      // the name would no longer meet its program.
      out += u"\\u";
      appendHex4(out, c);
    } else {
      out += c;
    }
  }
  return out;
}

std::optional<char16_t> hexUnit(TextView digits) {
  if (digits.size() != 4) return std::nullopt;
  char16_t unit = 0;
  for (const char16_t d : digits) {
    int value = 0;
    if (d >= u'0' && d <= u'9') {
      value = d - u'0';
    } else if (d >= u'A' && d <= u'F') {
      value = d - u'A' + 10;
    } else if (d >= u'a' && d <= u'f') {
      value = d - u'a' + 10;
    } else {
      return std::nullopt;
    }
    unit = static_cast<char16_t>((unit << 4) | value);
  }
  return unit;
}

std::optional<Text> unescapeField(TextView text) {
  Text out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'\\') {
      out += text[i];
      continue;
    }
    if (++i == text.size()) return std::nullopt;
    const char16_t letter = text[i];
    const auto escape = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                     [letter](const Escape& e) { return e.letter == letter; });
    if (escape != std::end(kEscapes)) {
      out += escape->plain;
    } else if (letter == u'u') {
      const auto unit = hexUnit(text.substr(i + 1, 4));
      if (!unit) return std::nullopt;
      out += *unit;
      i += 4;
    } else {
      return std::nullopt;
    }
  }
  return out;
}

// The key of three fields: kind, name and target.
std::optional<UsageKey> readKey(const std::string_view* fields) {
  UsageKey key;
  const Text kind = fromUtf8(fields[0]);
  if (kind == kCommandWord) {
    key.kind = ListKind::CommandWord;
  } else if (kind == kProgram) {
    key.kind = ListKind::Program;
  } else {
    return std::nullopt;
  }
  auto name = unescapeField(fromUtf8(fields[1]));
  auto target = unescapeField(fromUtf8(fields[2]));
  if (!name || !target) return std::nullopt;
  // A command word with a target is no key the launcher ever counts.
  if (key.kind == ListKind::CommandWord && !target->empty()) return std::nullopt;
  key.name = std::move(*name);
  key.target = std::move(*target);
  return key;
}

// Reads a line into the content; false when it is no line of ours.
bool readLine(std::string_view line, UsageFileContent& content) {
  if (!isUtf8(line)) return false;
  const std::vector<std::string_view> fields = splitByteTabs(line);
  if (fields.size() == kChoiceFields && fromUtf8(fields[0]) == kChosen) {
    auto typed = unescapeField(fromUtf8(fields[1]));
    auto key = readKey(&fields[2]);
    const auto minute = toInt32(fromUtf8(fields[5]));
    if (!typed || typed->empty() || !key || !minute) return false;
    content.choices.push_back({std::move(*typed), std::move(*key), minute.value()});
    return true;
  }
  if (fields.size() != kFields) return false;
  auto key = readKey(fields.data());
  const auto milliUses = toInt32(fromUtf8(fields[3]));
  const auto minute = toInt32(fromUtf8(fields[4]));
  if (!key || !milliUses || !minute || milliUses.value() < 0) return false;
  content.entries.push_back({std::move(*key), milliUses.value(), minute.value()});
  return true;
}

void appendKey(Text& text, const UsageKey& key) {
  text += key.kind == ListKind::Program ? kProgram : kCommandWord;
  text += u'\t';
  text += escapeField(key.name);
  text += u'\t';
  text += escapeField(key.target);
}

}  // namespace

UsageFileContent readUsageFile(std::string_view bytes) {
  UsageFileContent content;
  if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
  // We write CR LF; an editor may have left LF alone.
  const bool lfEndsLines = bytes.find('\r') == std::string_view::npos;
  for (const std::string_view line : splitByteLines(bytes, lfEndsLines)) {
    if (!readLine(line, content) && !line.empty()) content.whole = false;
  }
  return content;
}

std::string writeUsageFile(const std::vector<UsageEntry>& entries,
                           const std::vector<UsageChoice>& choices) {
  Text text;
  for (const UsageEntry& e : entries) {
    appendKey(text, e.key);
    text += u'\t';
    text += decimalText(e.milliUses);
    text += u'\t';
    text += decimalText(e.minute);
    text += kCrLf;
  }
  for (const UsageChoice& choice : choices) {
    text += kChosen;
    text += u'\t';
    text += escapeField(choice.typed);
    text += u'\t';
    appendKey(text, choice.row);
    text += u'\t';
    text += decimalText(choice.minute);
    text += kCrLf;
  }
  return std::string(kUtf8Bom) + toUtf8(text);
}

}  // namespace pipit
