#include "finding/NameWords.h"

#include <limits>

#include "finding/TextFolding.h"

namespace pipit {
namespace {

enum class Kind { Separator, Upper, Lower, Katakana, Hiragana, Kanji, Joining };

bool within(char16_t c, char16_t first, char16_t last) { return c >= first && c <= last; }

Kind kindOf(char16_t c) {
  if (within(c, u'A', u'Z') || within(c, 0xFF21, 0xFF3A) || (within(c, 0xC0, 0xDE) && c != 0xD7)) {
    return Kind::Upper;
  }
  if (c < 0x80) {
    const bool alnum = within(c, u'a', u'z') || within(c, u'0', u'9');
    return alnum ? Kind::Lower : Kind::Separator;
  }
  // Voiced marks and the long-vowel mark belong to the kana before them.
  if (within(c, 0x3099, 0x309C) || c == 0xFF9E || c == 0xFF9F || c == 0x30FC || c == 0xFF70) {
    return Kind::Joining;
  }
  if (within(c, 0x3041, 0x3096) || within(c, 0x309D, 0x309F)) return Kind::Hiragana;
  if (within(c, 0x30A1, 0x30FA) || within(c, 0x30FD, 0x30FF) || within(c, 0x31F0, 0x31FF) ||
      within(c, 0xFF66, 0xFF9D)) {
    return Kind::Katakana;
  }
  if (within(c, 0x3005, 0x3007) || within(c, 0x3400, 0x4DBF) || within(c, 0x4E00, 0x9FFF) ||
      within(c, 0xF900, 0xFAFF) || within(c, 0xD800, 0xDFFF)) {
    return Kind::Kanji;
  }
  if (within(c, 0x80, 0xBF) || within(c, 0x2000, 0x206F) || within(c, 0x3000, 0x303F) ||
      c == 0x30FB || within(c, 0xFF01, 0xFF0F) || within(c, 0xFF1A, 0xFF20) ||
      within(c, 0xFF3B, 0xFF40) || within(c, 0xFF5B, 0xFF65)) {
    return Kind::Separator;
  }
  return Kind::Lower;  // digits in full width, other letters and scripts
}

bool isLatin(Kind kind) { return kind == Kind::Upper || kind == Kind::Lower; }

// Whether a word begins at `at`, given the characters around it.
bool beginsWord(TextView name, std::size_t at) {
  const Kind kind = kindOf(name[at]);
  if (kind == Kind::Separator || kind == Kind::Joining) return false;
  if (at == 0) return true;
  const Kind before = kindOf(name[at - 1]);
  if (before == Kind::Separator) return true;
  if (before == Kind::Joining) return false;
  if (isLatin(before) != isLatin(kind)) return true;
  if (isLatin(kind)) {
    if (kind != Kind::Upper) return false;
    if (before == Kind::Lower) return true;
    // The last capital of a run begins the word that follows it.
    return at + 1 < name.size() && kindOf(name[at + 1]) == Kind::Lower &&
           !within(name[at + 1], u'0', u'9');
  }
  // Kana written after a kanji (送り仮名) stay in its word.
  const bool okurigana = before == Kind::Kanji && kind == Kind::Hiragana;
  return before != kind && !okurigana && !(before == Kind::Hiragana && kind == Kind::Kanji);
}

}  // namespace

FoldedWords foldedWords(TextView name) {
  FoldedWords words;
  words.folded.reserve(name.size());
  // Each stretch from one word's start to the next is folded on its own, so
  // the folded text and its word starts line up; no fold joins characters
  // across a word's start.
  std::size_t stretch = 0;
  for (std::size_t at = 0; at <= name.size(); ++at) {
    const bool boundary = at == name.size() || beginsWord(name, at);
    if (!boundary) continue;
    words.folded += foldForFinding(name.substr(stretch, at - stretch));
    stretch = at;
    if (at < name.size() && words.folded.size() <= std::numeric_limits<std::uint16_t>::max()) {
      words.starts.push_back(static_cast<std::uint16_t>(words.folded.size()));
    }
  }
  return words;
}

}  // namespace pipit
