#include "base/Text.h"

namespace pipit {

Text trimBlanks(TextView text) {
  const auto first = text.find_first_not_of(u' ');
  if (first == TextView::npos) return {};
  const auto last = text.find_last_not_of(u' ');
  return Text(text.substr(first, last - first + 1));
}

std::vector<Text> splitTabs(TextView text) {
  std::vector<Text> fields;
  std::size_t start = 0;
  for (;;) {
    const auto tab = text.find(u'\t', start);
    if (tab == TextView::npos) {
      fields.emplace_back(text.substr(start));
      return fields;
    }
    fields.emplace_back(text.substr(start, tab - start));
    start = tab + 1;
  }
}

std::vector<Text> splitLines(TextView text) {
  std::vector<Text> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const auto cr = text.find(u'\r', start);
    if (cr == TextView::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, cr - start));
    start = cr + 1;
    if (start < text.size() && text[start] == u'\n') ++start;
  }
  return lines;
}

bool startsWith(TextView text, TextView prefix) { return text.substr(0, prefix.size()) == prefix; }

Text fromUtf8(std::string_view utf8) {
  Text out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  const auto n = utf8.size();
  auto byte = [&](std::size_t k) { return static_cast<unsigned char>(utf8[k]); };
  while (i < n) {
    const unsigned char b = byte(i);
    char32_t cp = 0;
    int extra = 0;
    if (b < 0x80) {
      cp = b;
    } else if ((b & 0xE0) == 0xC0) {
      cp = b & 0x1F, extra = 1;
    } else if ((b & 0xF0) == 0xE0) {
      cp = b & 0x0F, extra = 2;
    } else if ((b & 0xF8) == 0xF0) {
      cp = b & 0x07, extra = 3;
    } else {
      out.push_back(u'\xFFFD');
      ++i;
      continue;
    }
    bool ok = true;
    for (int k = 1; ok && k <= extra; ++k) {
      if (i + k >= n || (byte(i + k) & 0xC0) != 0x80)
        ok = false;
      else
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    const bool overlong =
        (extra == 1 && cp < 0x80) || (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000);
    if (!ok || overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      out.push_back(u'\xFFFD');
      ++i;
      continue;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
    i += extra + 1;
  }
  return out;
}

std::string toUtf8(TextView text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t cp = text[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

}  // namespace pipit
