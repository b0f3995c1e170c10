#include "finding/TextFolding.h"

namespace pipit {
namespace {

// U+FF61 to U+FF9F in full width.
constexpr TextView kHalfWidthKana =
    u"。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノ"
    u"ハヒフヘホマミムメモヤユヨラリルレロワン゛゜";
constexpr TextView kVoiceable = u"カキクケコサシスセソタチツテトハヒフヘホ";
constexpr TextView kHalfVoiceable = u"ハヒフヘホ";

bool isHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLow(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The kana with the voiced (゛) or semi-voiced (゜) mark, or 0.
char16_t withMark(char16_t kana, bool semiVoiced) {
  if (semiVoiced) return kHalfVoiceable.find(kana) != TextView::npos ? char16_t(kana + 2) : 0;
  if (kVoiceable.find(kana) != TextView::npos) return char16_t(kana + 1);
  switch (kana) {
    case u'ウ':
      return u'ヴ';
    case u'ワ':
      return u'ヷ';
    case u'ヲ':
      return u'ヺ';
    case u'ヽ':
      return u'ヾ';
    default:
      return 0;
  }
}

}  // namespace

Text foldForFinding(TextView text) {
  Text folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (isHigh(c) && i + 1 < text.size() && isLow(text[i + 1])) {
      folded += c;
      folded += text[++i];
      continue;
    }
    if (isHigh(c) || isLow(c)) {
      folded += u'\uFFFD';
      continue;
    }
    // A mark typed as its own character joins the kana before it.
    const bool voicedMark = c == 0xFF9E || c == 0x3099;
    const bool semiVoicedMark = c == 0xFF9F || c == 0x309A;
    if ((voicedMark || semiVoicedMark) && !folded.empty()) {
      if (const char16_t joined = withMark(folded.back(), semiVoicedMark)) {
        folded.back() = joined;
        continue;
      }
    }
    if (c >= 0xFF01 && c <= 0xFF5E) c = char16_t(c - 0xFEE0);
    if (c == 0x3000) c = u' ';
    if (c >= u'A' && c <= u'Z') c = char16_t(c + 0x20);
    if ((c >= 0x3041 && c <= 0x3096) || c == 0x309D || c == 0x309E) c = char16_t(c + 0x60);
    if (c >= 0xFF61 && c <= 0xFF9F) c = kHalfWidthKana[c - 0xFF61];
    folded += c;
  }
  return folded;
}

}  // namespace pipit
