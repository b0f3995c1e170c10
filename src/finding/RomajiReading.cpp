#include "finding/RomajiReading.h"

#include <algorithm>
#include <map>
#include <optional>
#include <utility>

namespace pipit {
namespace {

using Spellings = std::map<Text, Text, std::less<>>;

struct Table {
  Spellings spellings;
  std::size_t longest = 0;
  std::map<char16_t, std::uint64_t> initials;  // see romajiInitials
};

Table buildTable() {
  Spellings s;
  const TextView vowels = u"aiueo";
  // Rows of one kana for each of a, i, u, e, o.
  const std::pair<TextView, TextView> plain[] = {
      {u"", u"アイウエオ"},  {u"k", u"カキクケコ"}, {u"g", u"ガギグゲゴ"}, {u"s", u"サシスセソ"},
      {u"z", u"ザジズゼゾ"}, {u"t", u"タチツテト"}, {u"d", u"ダヂヅデド"}, {u"n", u"ナニヌネノ"},
      {u"h", u"ハヒフヘホ"}, {u"b", u"バビブベボ"}, {u"p", u"パピプペポ"}, {u"m", u"マミムメモ"},
      {u"r", u"ラリルレロ"}, {u"x", u"ァィゥェォ"}, {u"l", u"ァィゥェォ"}, {u"c", u"カシクセコ"}};
  for (const auto& [letters, kana] : plain) {
    for (std::size_t v = 0; v < vowels.size(); ++v) s[Text(letters) + vowels[v]] = kana[v];
  }
  // Rows of a kana followed by a small kana for the vowel: ャィュェョ after a
  // "y" and the like, ァィゥェォ after a "w" and the like.
  const TextView smallY = u"ャィュェョ", smallVowel = u"ァィゥェォ";
  const std::pair<TextView, TextView> withSmallY[] = {
      {u"ky", u"キ"}, {u"gy", u"ギ"}, {u"sy", u"シ"}, {u"sh", u"シ"}, {u"zy", u"ジ"},
      {u"j", u"ジ"},  {u"jy", u"ジ"}, {u"ty", u"チ"}, {u"ch", u"チ"}, {u"cy", u"チ"},
      {u"dy", u"ヂ"}, {u"ny", u"ニ"}, {u"hy", u"ヒ"}, {u"fy", u"フ"}, {u"by", u"ビ"},
      {u"py", u"ピ"}, {u"vy", u"ヴ"}, {u"my", u"ミ"}, {u"ry", u"リ"}, {u"th", u"テ"},
      {u"dh", u"デ"}, {u"qy", u"ク"}, {u"xy", u""},   {u"ly", u""}};
  const std::pair<TextView, TextView> withSmallVowel[] = {
      {u"kw", u"ク"}, {u"q", u"ク"},  {u"qw", u"ク"}, {u"gw", u"グ"},
      {u"sw", u"ス"}, {u"ts", u"ツ"}, {u"tw", u"ト"}, {u"dw", u"ド"},
      {u"f", u"フ"},  {u"fw", u"フ"}, {u"v", u"ヴ"},  {u"wh", u"ウ"}};
  auto addRows = [&](const auto& rows, TextView small) {
    for (const auto& [letters, kana] : rows) {
      for (std::size_t v = 0; v < vowels.size(); ++v) {
        s[Text(letters) + vowels[v]] = Text(kana) + small[v];
      }
    }
  };
  addRows(withSmallY, smallY);
  addRows(withSmallVowel, smallVowel);
  // Where a row above has a plain kana instead, and the kana of no row.
  const std::pair<TextView, TextView> single[] = {
      {u"shi", u"シ"}, {u"chi", u"チ"},  {u"ji", u"ジ"},   {u"tsu", u"ツ"},  {u"fu", u"フ"},
      {u"vu", u"ヴ"},  {u"qu", u"ク"},   {u"whu", u"ウ"},  {u"ya", u"ヤ"},   {u"yi", u"イ"},
      {u"yu", u"ユ"},  {u"ye", u"イェ"}, {u"yo", u"ヨ"},   {u"wa", u"ワ"},   {u"wi", u"ウィ"},
      {u"wu", u"ウ"},  {u"we", u"ウェ"}, {u"wo", u"ヲ"},   {u"wyi", u"ヰ"},  {u"wye", u"ヱ"},
      {u"xtu", u"ッ"}, {u"ltu", u"ッ"},  {u"xtsu", u"ッ"}, {u"ltsu", u"ッ"}, {u"xwa", u"ヮ"},
      {u"lwa", u"ヮ"}, {u"xka", u"ヵ"},  {u"lka", u"ヵ"},  {u"xke", u"ヶ"},  {u"lke", u"ヶ"},
      {u"xn", u"ン"}};
  for (const auto& [spelling, kana] : single) s[Text(spelling)] = kana;
  Table table{std::move(s), 0, {}};
  for (const auto& [spelling, kana] : table.spellings) {
    table.longest = std::max(table.longest, spelling.size());
    if (spelling.front() != u'x' && spelling.front() != u'l') {
      table.initials[kana.front()] |= letterBit(spelling.front());
    }
  }
  table.initials[u'ン'] |= letterBit(u'n');
  return table;
}

const Table& table() {
  static const Table built = buildTable();
  return built;
}

bool isLetter(char16_t c) { return c >= u'a' && c <= u'z'; }
bool isVowel(char16_t c) { return TextView(u"aiueo").find(c) != TextView::npos; }
bool isConsonant(char16_t c) { return isLetter(c) && !isVowel(c); }

// A kana that begins another is enough on its own: the finder looks for the
// kana inside the words, so チ already finds every チャ.
void keepShortest(std::vector<Text>& kana) {
  std::sort(kana.begin(), kana.end());
  std::vector<Text> shortest;
  for (Text& k : kana) {
    if (shortest.empty() || !startsWith(k, shortest.back())) shortest.push_back(std::move(k));
  }
  kana = std::move(shortest);
}

// What the letters typed last can still become; nothing when they cannot
// begin any spelling.
std::vector<Text> possibleNext(TextView letters) {
  std::vector<Text> next;
  const Spellings& spellings = table().spellings;
  for (auto it = spellings.lower_bound(letters);
       it != spellings.end() && startsWith(it->first, letters); ++it) {
    next.push_back(it->second);
  }
  if (next.empty()) return next;
  if (letters == u"n") next.push_back(u"ン");
  keepShortest(next);
  return next;
}

struct Stretch {
  std::vector<Text> kana;
  std::size_t end = 0;
};

std::optional<Stretch> readAt(TextView text, std::size_t at);

// ン before each way of reading what follows it.
std::optional<Stretch> afterN(std::optional<Stretch> rest) {
  if (rest) {
    for (Text& kana : rest->kana) kana.insert(kana.begin(), u'ン');
  }
  return rest;
}

// "nn" before a vowel or "y": ンア for "nna" as an input method reads it,
// ンナ as Hepburn spells it ("konnichiha"). Both readings end after the same
// vowel, so they make one stretch.
std::optional<Stretch> readDoubleN(TextView text, std::size_t at) {
  const char16_t third = at + 2 < text.size() ? text[at + 2] : 0;
  if (!isVowel(third) && third != u'y') return Stretch{{u"ン"}, at + 2};
  std::optional<Stretch> typed = afterN(readAt(text, at + 2));
  std::optional<Stretch> hepburn = afterN(readAt(text, at + 1));
  if (!typed) return hepburn;
  if (!hepburn || hepburn->end != typed->end) return typed;
  typed->kana.insert(typed->kana.end(), hepburn->kana.begin(), hepburn->kana.end());
  keepShortest(typed->kana);
  return typed;
}

// Letters at the very end that no spelling has finished yet.
std::optional<Stretch> readUnfinished(TextView text, std::size_t at) {
  const TextView rest = text.substr(at);
  if (!std::all_of(rest.begin(), rest.end(), isLetter)) return std::nullopt;
  std::vector<Text> next = possibleNext(rest);
  if (next.empty()) return std::nullopt;
  // A consonant after a vowel may be the first of a doubled one ("kit" on
  // the way to "kitte"): ッ goes with a kana the consonant begins, as ッ
  // alone would find every word that has one. An "m" may also be Hepburn's
  // ン before "b", "p" and "m" ("sam" on the way to "samma").
  if (rest.size() == 1 && rest != u"n" && at > 0 && isVowel(text[at - 1])) {
    const std::size_t single = next.size();
    for (std::size_t i = 0; i < single; ++i) next.push_back(u"ッ" + next[i]);
    if (rest == u"m") {
      for (const TextView after : {u"b", u"p", u"m"}) {
        for (const Text& kana : possibleNext(after)) next.push_back(u"ン" + kana);
      }
    }
    keepShortest(next);
  }
  return Stretch{std::move(next), text.size()};
}

// The one syllable, ン, ッ or other character that starts at `at`.
std::optional<Stretch> readAt(TextView text, std::size_t at) {
  const char16_t c = text[at];
  const char16_t after = at + 1 < text.size() ? text[at + 1] : 0;
  const char16_t third = at + 2 < text.size() ? text[at + 2] : 0;
  if (!isLetter(c)) return Stretch{{Text(1, c == u'-' ? u'ー' : c)}, at + 1};
  if (c == u'n' && after == u'\'') return Stretch{{u"ン"}, at + 2};
  if (c == u'n' && after == u'n') return readDoubleN(text, at);
  if ((c == u'n' && after && !isVowel(after) && after != u'y') ||
      (c == u'm' && (after == u'b' || after == u'p'))) {
    return Stretch{{u"ン"}, at + 1};
  }
  // "tc" is as far as "tch" gets before its "h".
  if (c == u't' && after == u'c' && at + 2 == text.size()) {
    std::vector<Text> next = possibleNext(u"ch");
    for (Text& kana : next) kana.insert(kana.begin(), u'ッ');
    return Stretch{std::move(next), text.size()};
  }
  if ((isConsonant(c) && after == c) || (c == u't' && after == u'c' && third == u'h')) {
    if (c == u'm') return Stretch{{u"ッ", u"ン"}, at + 1};  // Hepburn "samma"
    return Stretch{{u"ッ"}, at + 1};
  }
  const Table& t = table();
  for (std::size_t length = std::min(t.longest, text.size() - at); length > 0; --length) {
    const auto found = t.spellings.find(text.substr(at, length));
    if (found != t.spellings.end()) return Stretch{{found->second}, at + length};
  }
  return readUnfinished(text, at);
}

}  // namespace

std::uint64_t letterBit(char16_t c) {
  if (c >= u'a' && c <= u'z') return std::uint64_t{1} << (c - u'a');
  if (c >= u'0' && c <= u'9') return std::uint64_t{1} << (26 + c - u'0');
  return 0;
}

std::uint64_t romajiInitials(char16_t c) {
  if (const std::uint64_t bit = letterBit(c)) return bit;
  const auto& initials = table().initials;
  const auto found = initials.find(c);
  return found == initials.end() ? 0 : found->second;
}

Reading romajiReading(TextView text) {
  Reading reading;
  if (std::none_of(text.begin(), text.end(), isLetter)) return reading;
  for (std::size_t at = 0; at < text.size();) {
    std::optional<Stretch> stretch = readAt(text, at);
    if (!stretch) return {};
    // Stretches without a choice are joined, so the finder can search for
    // them in one go.
    if (stretch->kana.size() == 1 && !reading.empty() && reading.back().size() == 1) {
      reading.back().front() += stretch->kana.front();
    } else {
      reading.push_back(std::move(stretch->kana));
    }
    at = stretch->end;
  }
  return reading;
}

}  // namespace pipit
