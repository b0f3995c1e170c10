#include "platform/InstalledPrograms.h"

#include <algorithm>
#include <tuple>

namespace pipit {
namespace {

bool equalNoCase(TextView a, TextView b) {
  const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c | 0x20) : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [&](char16_t x, char16_t y) { return lower(x) == lower(y); });
}

Text decodeShortcut(std::string_view bytes, const CodePage& ansi) {
  if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
    Text text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
      text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                    (static_cast<unsigned char>(bytes[i + 1]) << 8));
    }
    return text;
  }
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return fromUtf8(bytes.substr(3));
  return ansi.decode(bytes);
}

}  // namespace

void removeDuplicates(std::vector<InstalledProgram>& programs) {
  const auto key = [](const InstalledProgram& p) { return std::tie(p.name, p.target); };
  std::sort(programs.begin(), programs.end(),
            [&](const InstalledProgram& a, const InstalledProgram& b) {
              if (const auto order = key(a) <=> key(b); order != 0) return order < 0;
              // A known file first, so that unique() keeps it.
              if (a.file.empty() != b.file.empty()) return b.file.empty();
              return a.file < b.file;
            });
  programs.erase(std::unique(programs.begin(), programs.end(),
                             [&](const InstalledProgram& a, const InstalledProgram& b) {
                               return key(a) == key(b);
                             }),
                 programs.end());
}

bool isPackagedAppId(TextView id) {
  // "<package name>_<publisher id>!<app id>": the publisher id is 13
  // characters of lower-case base 32 without i, l, o and u.
  constexpr std::size_t kPublisherLength = 13;
  if (id.find_first_of(u"\\/:") != TextView::npos) return false;  // a path, not an id
  const std::size_t bang = id.find(u'!');
  if (bang == TextView::npos || bang + 1 == id.size()) return false;
  if (bang < kPublisherLength + 2 || id[bang - kPublisherLength - 1] != u'_') return false;
  const TextView publisher = id.substr(bang - kPublisherLength, kPublisherLength);
  return std::all_of(publisher.begin(), publisher.end(), [](char16_t c) {
    return (c >= u'0' && c <= u'9') ||
           (c >= u'a' && c <= u'z' && c != u'i' && c != u'l' && c != u'o' && c != u'u');
  });
}

std::optional<Text> internetShortcutAddress(std::string_view bytes, const CodePage& ansi) {
  const Text text = decodeShortcut(bytes, ansi);
  const TextView all(text);
  bool inSection = false;
  std::size_t start = 0;
  while (start < all.size()) {
    // The shell's profile reader ends a line at CR or LF alike.
    std::size_t end = all.find_first_of(u"\r\n", start);
    if (end == TextView::npos) end = all.size();
    const Text line = trimBlanks(all.substr(start, end - start));
    start = end + 1;
    if (!line.empty() && line.front() == u'[') {
      inSection = equalNoCase(line, u"[InternetShortcut]");
      continue;
    }
    const std::size_t equals = line.find(u'=');
    if (!inSection || equals == Text::npos ||
        !equalNoCase(trimBlanks(TextView(line).substr(0, equals)), u"URL")) {
      continue;
    }
    Text address = trimBlanks(TextView(line).substr(equals + 1));
    const bool printable = std::none_of(address.begin(), address.end(), [](char16_t c) {
      return c < u' ' || c == u'\x7F' || c == u'\uFFFD';
    });
    if (address.empty() || address.size() > kLongestShortcutAddress || !printable)
      return std::nullopt;
    return address;
  }
  return std::nullopt;
}

}  // namespace pipit
