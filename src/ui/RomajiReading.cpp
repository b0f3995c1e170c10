#include "ui/RomajiReading.h"

#include <algorithm>
#include <map>
#include <utility>

namespace pipit {
namespace {

using Spellings = std::map<Text, Text, std::less<>>;

constexpr std::size_t kLongestSpelling = 4;  // "ltsu", "xtsu"

Spellings buildSpellings() {
  Spellings s;
  const TextView vowels = u"aiueo";
  // Rows of five kana for a, i, u, e, o; the first letters that spell them.
  const std::pair<TextView, TextView> rows[] = {
      {u"", u"アイウエオ"},  {u"k", u"カキクケコ"}, {u"g", u"ガギグゲゴ"}, {u"s", u"サシスセソ"},
      {u"z", u"ザジズゼゾ"}, {u"t", u"タチツテト"}, {u"d", u"ダヂヅデド"}, {u"n", u"ナニヌネノ"},
      {u"h", u"ハヒフヘホ"}, {u"b", u"バビブベボ"}, {u"p", u"パピプペポ"}, {u"m", u"マミムメモ"},
      {u"r", u"ラリルレロ"}, {u"x", u"ァィゥェォ"}, {u"l", u"ァィゥェォ"}, {u"c", u"カシクセコ"}};
  for (const auto& [consonant, kana] : rows) {
    for (std::size_t v = 0; v < vowels.size(); ++v) s[Text(consonant) + vowels[v]] = kana[v];
  }
  // Contracted sounds: the i-kana of the row with a small ャ, ュ, ョ (ェ).
  const std::pair<TextView, char16_t> contracted[] = {
      {u"ky", u'キ'}, {u"gy", u'ギ'}, {u"sy", u'シ'}, {u"sh", u'シ'}, {u"zy", u'ジ'},
      {u"j", u'ジ'},  {u"jy", u'ジ'}, {u"ty", u'チ'}, {u"ch", u'チ'}, {u"cy", u'チ'},
      {u"dy", u'ヂ'}, {u"ny", u'ニ'}, {u"hy", u'ヒ'}, {u"by", u'ビ'}, {u"py", u'ピ'},
      {u"my", u'ミ'}, {u"ry", u'リ'}, {u"th", u'テ'}, {u"dh", u'デ'}};
  for (const auto& [spelling, kana] : contracted) {
    const Text base(1, kana);
    s[Text(spelling) + u"a"] = base + u"ャ";
    s[Text(spelling) + u"u"] = base + u"ュ";
    s[Text(spelling) + u"o"] = base + u"ョ";
    s[Text(spelling) + u"e"] = base + u"ェ";
  }
  const std::pair<TextView, TextView> single[] = {
      {u"shi", u"シ"},   {u"chi", u"チ"},  {u"tsu", u"ツ"},  {u"ji", u"ジ"},   {u"fu", u"フ"},
      {u"fa", u"ファ"},  {u"fi", u"フィ"}, {u"fe", u"フェ"}, {u"fo", u"フォ"}, {u"thi", u"ティ"},
      {u"dhi", u"ディ"}, {u"ya", u"ヤ"},   {u"yu", u"ユ"},   {u"yo", u"ヨ"},   {u"ye", u"イェ"},
      {u"wa", u"ワ"},    {u"wi", u"ウィ"}, {u"wu", u"ウ"},   {u"we", u"ウェ"}, {u"wo", u"ヲ"},
      {u"va", u"ヴァ"},  {u"vi", u"ヴィ"}, {u"vu", u"ヴ"},   {u"ve", u"ヴェ"}, {u"vo", u"ヴォ"},
      {u"xya", u"ャ"},   {u"xyu", u"ュ"},  {u"xyo", u"ョ"},  {u"lya", u"ャ"},  {u"lyu", u"ュ"},
      {u"lyo", u"ョ"},   {u"xtu", u"ッ"},  {u"ltu", u"ッ"},  {u"xtsu", u"ッ"}, {u"ltsu", u"ッ"},
      {u"xwa", u"ヮ"},   {u"lwa", u"ヮ"},  {u"xka", u"ヵ"},  {u"xke", u"ヶ"}};
  for (const auto& [spelling, kana] : single) s[Text(spelling)] = kana;
  return s;
}

const Spellings& spellings() {
  static const Spellings table = buildSpellings();
  return table;
}

bool isLetter(char16_t c) { return c >= u'a' && c <= u'z'; }
bool isVowel(char16_t c) { return TextView(u"aiueo").find(c) != TextView::npos; }
bool isConsonant(char16_t c) { return isLetter(c) && !isVowel(c); }

// What the letters typed last can still become; nothing when they cannot
// begin any spelling. A kana that begins another is enough on its own.
std::vector<Text> possibleNext(TextView letters) {
  std::vector<Text> next;
  const Spellings& table = spellings();
  for (auto it = table.lower_bound(letters); it != table.end() && startsWith(it->first, letters);
       ++it) {
    next.push_back(it->second);
  }
  if (next.empty()) return next;
  if (letters == u"n") next.push_back(u"ン");
  if (letters.size() == 1 && letters != u"n") next.push_back(u"ッ");
  std::sort(next.begin(), next.end());
  std::vector<Text> shortest;
  for (const Text& kana : next) {
    if (shortest.empty() || !startsWith(kana, shortest.back())) shortest.push_back(kana);
  }
  return shortest;
}

struct Partial {
  std::size_t at = 0;
  Text kana;
};

}  // namespace

std::vector<Reading> romajiReadings(TextView text) {
  std::vector<Reading> readings;
  if (std::none_of(text.begin(), text.end(), isLetter)) return readings;
  const Spellings& table = spellings();
  std::vector<Partial> pending{{}};
  std::size_t branches = 1;
  // Ambiguous spellings open a second reading while there is room.
  auto branch = [&](std::size_t at, const Text& kana) {
    if (branches >= kMaxReadings) return;
    ++branches;
    pending.push_back({at, kana});
  };
  while (!pending.empty() && readings.size() < kMaxReadings) {
    Partial p = std::move(pending.back());
    pending.pop_back();
    bool readable = true;
    while (readable && p.at < text.size()) {
      const char16_t c = text[p.at];
      const char16_t after = p.at + 1 < text.size() ? text[p.at + 1] : 0;
      const char16_t third = p.at + 2 < text.size() ? text[p.at + 2] : 0;
      if (!isLetter(c)) {
        p.kana += c == u'-' ? u'ー' : c;
        ++p.at;
        continue;
      }
      if (c == u'n' && (after == u'\'' || after == u'n')) {
        // "nna" may also be ン followed by "na".
        if (after == u'n' && (isVowel(third) || third == u'y')) branch(p.at + 1, p.kana + u"ン");
        p.kana += u'ン';
        p.at += 2;
        continue;
      }
      if ((c == u'n' && after && !isVowel(after) && after != u'y') ||
          (c == u'm' && (after == u'b' || after == u'p'))) {
        p.kana += u'ン';
        ++p.at;
        continue;
      }
      if ((isConsonant(c) && after == c) || (c == u't' && after == u'c' && third == u'h')) {
        if (c == u'm') branch(p.at + 1, p.kana + u"ン");  // Hepburn "samma"
        p.kana += u'ッ';
        ++p.at;
        continue;
      }
      bool matched = false;
      for (std::size_t length = std::min(kLongestSpelling, text.size() - p.at);
           length > 0 && !matched; --length) {
        const auto found = table.find(text.substr(p.at, length));
        if (found == table.end()) continue;
        p.kana += found->second;
        p.at += length;
        matched = true;
      }
      if (matched) continue;
      // Letters still being typed at the very end.
      const TextView rest = text.substr(p.at);
      if (std::all_of(rest.begin(), rest.end(), isLetter)) {
        if (auto next = possibleNext(rest); !next.empty()) {
          readings.push_back({std::move(p.kana), std::move(next)});
        }
      }
      readable = false;
    }
    if (readable) readings.push_back({std::move(p.kana), {}});
  }
  return readings;
}

}  // namespace pipit
