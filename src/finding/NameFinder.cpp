#include "finding/NameFinder.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "finding/NameWords.h"
#include "finding/ReadingMatch.h"
#include "finding/TextFolding.h"
#include "finding/TypoDistance.h"

namespace pipit {

// What one keystroke looks for, made once and used on every name.
struct NameFinder::Query {
  explicit Query(TextView typed)
      : folded(foldForFinding(typed)),
        asTyped(Reading{{folded}}),
        slips(typoAllowance(folded.size())) {
    Reading read = romajiReading(folded);
    const char16_t last = folded.empty() ? 0 : folded.back();
    const bool unfinished =
        last >= u'a' && last <= u'z' && TextView(u"aiueo").find(last) == TextView::npos;
    if (!read.empty()) romaji.emplace(std::move(read), unfinished);
    allLetters = folded.size() >= 2 && std::all_of(folded.begin(), folded.end(), letterBit);
    firstChars = asTyped.firstChars() | (romaji ? romaji->firstChars() : 0);
    for (const char16_t c : folded) typedChars.push_back(charBit(c));
  }

  Text folded;
  ReadingMatch asTyped;
  std::optional<ReadingMatch> romaji;
  std::size_t slips;
  bool allLetters = false;
  std::uint64_t firstChars = 0;
  std::vector<std::uint64_t> typedChars;
  TypoMeasure typos;
};

namespace {

// Whether the typed letters are the initials of words from `word` on,
// maybe ending with more of the last word: "vsc" and "vscode" for Visual
// Studio Code. At least two words take part, or it is a word's start.
bool initialsFrom(TextView typed, TextView subject, const std::uint16_t* starts,
                  const std::uint64_t* initials, std::size_t words, std::size_t word,
                  std::size_t used) {
  if (typed.empty()) return used >= 2;
  if (word == words) return false;
  if ((initials[word] & letterBit(typed.front())) == 0) return false;
  // The rest of the typed text as the rest of this word and beyond.
  if (used >= 1 && typed.size() >= 2 && subject.compare(starts[word], typed.size(), typed) == 0) {
    return true;
  }
  return initialsFrom(typed.substr(1), subject, starts, initials, words, word + 1, used + 1);
}

}  // namespace

void NameFinder::addSubject(TextView text) {
  FoldedWords words = foldedWords(text);
  Subject subject;
  subject.begin = static_cast<std::uint32_t>(pool_.size());
  subject.size = static_cast<std::uint32_t>(words.folded.size());
  subject.words = static_cast<std::uint32_t>(wordStarts_.size());
  subject.wordCount = static_cast<std::uint16_t>(
      std::min<std::size_t>(words.starts.size(), std::numeric_limits<std::uint16_t>::max()));
  for (std::size_t w = 0; w < subject.wordCount; ++w) {
    wordStarts_.push_back(words.starts[w]);
    wordInitials_.push_back(romajiInitials(words.folded[words.starts[w]]));
  }
  pool_ += words.folded;
  for (const char16_t c : words.folded)
    poolBits_.push_back(static_cast<std::uint8_t>(charBitIndex(c)));
  subjects_.push_back(subject);
}

void NameFinder::setNames(std::vector<FindableName> names) {
  names_.clear();
  pool_.clear();
  poolBits_.clear();
  wordStarts_.clear();
  wordInitials_.clear();
  subjects_.clear();
  entries_.clear();
  readings_.clear();
  lastTyped_.clear();
  lastFound_.clear();
  names_.reserve(names.size());
  entries_.reserve(names.size());
  for (FindableName& name : names) {
    Entry entry;
    entry.subjects = static_cast<std::uint32_t>(subjects_.size());
    addSubject(name.name);
    for (const Text& file : name.fileNames) {
      if (file.empty() || entry.fileNames == std::numeric_limits<std::uint16_t>::max()) continue;
      addSubject(file);
      ++entry.fileNames;
    }
    for (std::uint32_t s = entry.subjects; s <= entry.subjects + entry.fileNames; ++s) {
      const Subject& subject = subjects_[s];
      const std::uint64_t chars = charBits(TextView(pool_).substr(subject.begin, subject.size));
      if (s == entry.subjects) entry.nameChars = chars;
      entry.allChars |= chars;
      if (s == entry.subjects) {
        for (std::uint32_t w = 0; w < subject.wordCount; ++w) {
          entry.initials |= wordInitials_[subject.words + w];
          entry.wordFirsts |= charBit(pool_[subject.begin + wordStarts_[subject.words + w]]);
        }
      }
    }
    if (!name.reading.empty()) {
      entry.reading = static_cast<std::int32_t>(readings_.size());
      entry.readingFirsts = readingFirsts(name.reading);
      readings_.push_back(std::move(name.reading));
    }
    entries_.push_back(entry);
    names_.push_back(std::move(name.name));
  }
}

void NameFinder::setWords(std::vector<Text> words) {
  std::vector<FindableName> names;
  names.reserve(words.size());
  for (Text& word : words) names.push_back({std::move(word), {}, {}});
  setNames(std::move(names));
}

bool NameFinder::matchQuality(const Entry& entry, Query& query, MatchQuality& quality) {
  // As typed or as romaji, at the start, at a word's start, or inside:
  // only the forms the name's characters may hold, each in one pass over
  // the places it may begin.
  ReadingMatch* forms[2] = {};
  ReadingMatch* fileForms[2] = {};
  std::size_t formCount = 0, fileFormCount = 0;
  std::uint64_t firsts = 0;
  for (ReadingMatch* form : {&query.asTyped, query.romaji ? &*query.romaji : nullptr}) {
    if (!form) continue;
    if (entry.fileNames > 0 && form->mayBeIn(entry.allChars)) fileForms[fileFormCount++] = form;
    if (!form->mayBeIn(entry.nameChars)) continue;
    forms[formCount++] = form;
    firsts |= form->firstChars();
  }
  const bool mayBeInitials =
      query.allLetters && (entry.initials & letterBit(query.folded.front())) != 0;
  bool mayBeReading = false;
  for (ReadingMatch* form : {&query.asTyped, query.romaji ? &*query.romaji : nullptr}) {
    mayBeReading =
        mayBeReading || (form && entry.reading >= 0 && form->mayStartReading(entry.readingFirsts));
  }
  // Most names are told apart by their characters alone, without a look
  // at their text.
  if (formCount == 0 && fileFormCount == 0 && !mayBeInitials && !mayBeReading && query.slips == 0) {
    return false;
  }
  const TextView pool(pool_);
  const Subject& name = subjects_[entry.subjects];
  const TextView text = pool.substr(name.begin, name.size);
  const std::uint16_t* starts = wordStarts_.data() + name.words;

  bool atWordStart = false, inside = false, nameStart = false;
  const std::uint8_t* bits = poolBits_.data() + name.begin;
  std::size_t word = 0;  // the first word starting at or after `at`
  for (std::size_t at = 0; formCount > 0 && at < text.size(); ++at) {
    const std::uint64_t bit = std::uint64_t{1} << bits[at];
    if ((bit & firsts) == 0) continue;
    while (word < name.wordCount && starts[word] < at) ++word;
    const bool wordStart = word < name.wordCount && starts[word] == at;
    // Inside a word matters only while nothing better has been found.
    if (!wordStart && inside) continue;
    for (std::size_t f = 0; f < formCount; ++f) {
      if ((bit & forms[f]->firstChars()) == 0) continue;
      const ReadingMatch::At found = forms[f]->at(text, at);
      if (found == ReadingMatch::At::no) continue;
      if (wordStart && word == 0 && found == ReadingMatch::At::whole) {
        quality = MatchQuality::wholeName;
        return true;
      }
      inside = inside || !wordStart;
      nameStart = nameStart || (wordStart && word == 0);
      atWordStart = atWordStart || (wordStart && word > 0);
    }
    // The name's start comes first, a later word's after it: once either
    // matched, no place further on matches better.
    if (nameStart || atWordStart) break;
  }
  if (nameStart || atWordStart) {
    quality = nameStart ? MatchQuality::nameStart : MatchQuality::wordStart;
    return true;
  }

  if (mayBeInitials) {
    const std::uint64_t* initials = wordInitials_.data() + name.words;
    for (std::size_t w = 0; w < name.wordCount; ++w) {
      if (initialsFrom(query.folded, text, starts, initials, name.wordCount, w, 0)) {
        quality = MatchQuality::initials;
        return true;
      }
    }
  }

  for (std::uint32_t s = entry.subjects + 1;
       fileFormCount > 0 && s <= entry.subjects + entry.fileNames; ++s) {
    const Subject& file = subjects_[s];
    const TextView fileText = pool.substr(file.begin, file.size);
    for (std::size_t f = 0; f < fileFormCount; ++f) {
      for (std::size_t w = 0; w < file.wordCount; ++w) {
        if (fileForms[f]->at(fileText, wordStarts_[file.words + w]) != ReadingMatch::At::no) {
          quality = MatchQuality::fileName;
          return true;
        }
      }
    }
  }

  if (mayBeReading) {
    const Reading& reading = readings_[static_cast<std::size_t>(entry.reading)];
    for (ReadingMatch* form : {&query.asTyped, query.romaji ? &*query.romaji : nullptr}) {
      if (form && form->mayStartReading(entry.readingFirsts) && form->startsReading(reading)) {
        quality = MatchQuality::reading;
        return true;
      }
    }
  }

  if (inside) {
    quality = MatchQuality::insideWord;
    return true;
  }

  if (query.slips == 0) return false;
  // Each slip brings at most one character the names do not hold.
  std::size_t strange = 0;
  for (const std::uint64_t bit : query.typedChars) strange += (entry.allChars & bit) == 0;
  if (strange > query.slips) return false;
  for (std::uint32_t s = entry.subjects; s <= entry.subjects + entry.fileNames; ++s) {
    const Subject& subject = subjects_[s];
    const TextView subjectText = pool.substr(subject.begin, subject.size);
    for (std::size_t w = 0; w < subject.wordCount; ++w) {
      const TextView from = subjectText.substr(wordStarts_[subject.words + w]);
      if (query.typos.nearStart(query.folded, from, query.slips)) {
        quality = MatchQuality::typo;
        return true;
      }
    }
  }
  return false;
}

std::vector<Found> NameFinder::find(TextView typed) {
  std::vector<Found> found;
  if (typed.empty()) {
    found.reserve(names_.size());
    for (std::uint32_t i = 0; i < names_.size(); ++i) found.push_back({i, MatchQuality::nameStart});
    lastTyped_.clear();
    return found;
  }
  Query query(typed);
  // Text that only adds to the last text matches only names that matched
  // it, as long as it allows no more slips than that text did.
  const bool narrower = !lastTyped_.empty() && startsWith(typed, lastTyped_) &&
                        startsWith(query.folded, lastFolded_) &&
                        typoAllowance(lastFolded_.size()) == query.slips;
  // Matches in table order, then put in order of quality by counting.
  std::vector<Found> matched;
  std::size_t perQuality[kMatchQualities] = {};
  const auto visit = [&](std::uint32_t i) {
    MatchQuality quality{};
    if (!matchQuality(entries_[i], query, quality)) return;
    matched.push_back({i, quality});
    ++perQuality[static_cast<std::size_t>(quality)];
  };
  if (narrower) {
    for (const std::uint32_t i : lastFound_) visit(i);
  } else {
    const auto count = static_cast<std::uint32_t>(entries_.size());
    for (std::uint32_t i = 0; i < count; ++i) visit(i);
  }
  lastFound_.clear();
  lastFound_.reserve(matched.size());
  for (const Found& f : matched) lastFound_.push_back(f.index);
  lastTyped_ = Text(typed);
  lastFolded_ = query.folded;
  std::size_t next[kMatchQualities] = {};
  for (std::size_t q = 1; q < kMatchQualities; ++q) next[q] = next[q - 1] + perQuality[q - 1];
  found.resize(matched.size());
  for (const Found& f : matched) found[next[static_cast<std::size_t>(f.quality)]++] = f;
  return found;
}

}  // namespace pipit
