#include "finding/NameFinder.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <optional>

#include "finding/NameWords.h"
#include "finding/ReadingMatch.h"
#include "finding/TextFolding.h"
#include "finding/TypoDistance.h"

namespace pipit {

// What one keystroke looks for, made once and used on every name.
struct NameFinder::Query {
  explicit Query(TextView typed)
      : folded(foldForFinding(typed)), asTyped(Reading{{folded}}), slips(typoAllowance(folded.size())) {
    Reading read = romajiReading(folded);
    const char16_t last = folded.empty() ? 0 : folded.back();
    const bool unfinished = last >= u'a' && last <= u'z' && TextView(u"aiueo").find(last) == TextView::npos;
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

MatchQuality better(MatchQuality a, MatchQuality b) { return std::min(a, b); }

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
  subjects_.push_back(subject);
}

void NameFinder::setNames(std::vector<FindableName> names) {
  names_.clear();
  pool_.clear();
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
        }
      }
    }
    if (!name.reading.empty()) {
      entry.reading = static_cast<std::int32_t>(readings_.size());
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
  const TextView pool(pool_);
  const Subject& name = subjects_[entry.subjects];
  const TextView text = pool.substr(name.begin, name.size);
  const std::uint16_t* starts = wordStarts_.data() + name.words;
  std::optional<MatchQuality> best;
  auto offer = [&](MatchQuality found) { best = best ? better(*best, found) : found; };

  // As typed or as romaji, at the start, at a word's start, or inside.
  const bool mayHold = (entry.nameChars & query.firstChars) != 0;
  ReadingMatch* forms[] = {&query.asTyped, query.romaji ? &*query.romaji : nullptr};
  if (mayHold) {
    for (ReadingMatch* form : forms) {
      if (!form) continue;
      // The first word's start is the name's, past any leading "(" or blank.
      if (name.wordCount > 0) {
        const ReadingMatch::At at = form->at(text, starts[0]);
        if (at == ReadingMatch::At::whole) {
          quality = MatchQuality::wholeName;
          return true;
        }
        if (at == ReadingMatch::At::yes) offer(MatchQuality::nameStart);
      }
      for (std::size_t w = 1; w < name.wordCount && !best; ++w) {
        if (form->at(text, starts[w]) != ReadingMatch::At::no) {
          offer(MatchQuality::wordStart);
        }
      }
    }
    if (best) {
      quality = *best;
      return true;
    }
  }

  if (query.allLetters && (entry.initials & letterBit(query.folded.front())) != 0) {
    const std::uint64_t* initials = wordInitials_.data() + name.words;
    for (std::size_t w = 0; w < name.wordCount; ++w) {
      if (initialsFrom(query.folded, text, starts, initials, name.wordCount, w, 0)) {
        quality = MatchQuality::initials;
        return true;
      }
    }
  }

  if ((entry.allChars & query.firstChars) != 0) {
    for (std::uint32_t s = entry.subjects + 1; s <= entry.subjects + entry.fileNames; ++s) {
      const Subject& file = subjects_[s];
      const TextView fileText = pool.substr(file.begin, file.size);
      for (ReadingMatch* form : forms) {
        if (!form) continue;
        for (std::size_t w = 0; w < file.wordCount; ++w) {
          if (form->at(fileText, wordStarts_[file.words + w]) != ReadingMatch::At::no) {
            quality = MatchQuality::fileName;
            return true;
          }
        }
      }
    }
  }

  if (entry.reading >= 0) {
    const Reading& reading = readings_[static_cast<std::size_t>(entry.reading)];
    for (ReadingMatch* form : forms) {
      if (form && form->startsReading(reading)) {
        quality = MatchQuality::reading;
        return true;
      }
    }
  }

  if (mayHold) {
    for (ReadingMatch* form : forms) {
      if (form && form->anywhere(text)) {
        quality = MatchQuality::insideWord;
        return true;
      }
    }
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
  std::vector<std::uint32_t> candidates;
  if (!narrower) {
    candidates.resize(entries_.size());
    std::iota(candidates.begin(), candidates.end(), std::uint32_t{0});
  } else {
    candidates = std::move(lastFound_);
  }
  std::vector<Found> byQuality[kMatchQualities];
  lastFound_.clear();
  for (const std::uint32_t i : candidates) {
    MatchQuality quality{};
    if (!matchQuality(entries_[i], query, quality)) continue;
    byQuality[static_cast<std::size_t>(quality)].push_back({i, quality});
    lastFound_.push_back(i);
  }
  lastTyped_ = Text(typed);
  lastFolded_ = query.folded;
  std::size_t total = 0;
  for (const auto& group : byQuality) total += group.size();
  found.reserve(total);
  for (const auto& group : byQuality) found.insert(found.end(), group.begin(), group.end());
  return found;
}

}  // namespace pipit
