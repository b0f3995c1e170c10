#pragma once
// Finds command words and program names as the user types, best match
// first. A name is found by what it reads as typed (case, width and kana
// script folded) and, when the typed text holds letters, as romaji; also by
// the initials of its words, by the file names behind it, by the reading of
// its kanji, and, from four typed characters on, with a slip or two.
//
// Everything about a name is folded and laid out once, when the names are
// given, so a keystroke only folds what was typed and searches; a keystroke
// that only adds to the text searches only what matched before.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "base/Text.h"
#include "finding/RomajiReading.h"

namespace pipit {

// How well a name matches, best first: the order of the list.
enum class MatchQuality : std::uint8_t {
  wholeName,   // the typed text is the name
  nameStart,   // the name begins with it
  wordStart,   // a later word of the name begins with it
  initials,    // the first letters of its words ("vsc"), maybe with the rest of the last ("vscode")
  fileName,    // a file name behind the name begins with it, or a word of one does
  reading,     // the reading of its kanji begins with it, from a word on
  insideWord,  // the name holds it further inside a word
  typo,        // a start of a word is within the slips allowed for its length
};
inline constexpr std::size_t kMatchQualities = 8;

struct FindableName {
  Text name;                    // as shown
  std::vector<Text> fileNames;  // without folder or extension
  Reading reading;              // of a name with kanji (ReadingTable::readingOf), else empty
};

// The reading of a folded name with kanji, when a reading table is open.
using NameReadings = std::function<Reading(TextView folded)>;

struct Found {
  std::uint32_t index = 0;  // into names()
  MatchQuality quality = MatchQuality::wholeName;

  bool operator==(const Found&) const = default;
};

class NameFinder {
 public:
  void setNames(std::vector<FindableName> names);
  // Names found by themselves alone.
  void setWords(std::vector<Text> words);
  const std::vector<Text>& names() const { return names_; }

  // The names that match the typed text, best quality first and in table
  // order within one. Empty text gives every name, in table order.
  std::vector<Found> find(TextView typed);

 private:
  // A folded name or file name in pool_, and where its words begin.
  struct Subject {
    std::uint32_t begin = 0, size = 0;
    std::uint32_t words = 0;  // into wordStarts_
    std::uint16_t wordCount = 0;
  };
  struct Entry {
    std::uint32_t subjects = 0;       // the name, then its file names
    std::uint16_t fileNames = 0;      // how many
    std::int32_t reading = -1;        // into readings_
    std::uint64_t nameChars = 0;      // charBits of the folded name
    std::uint64_t wordFirsts = 0;     // charBits of its words' first characters
    std::uint64_t allChars = 0;       // and of its file names
    std::uint64_t initials = 0;       // every word's initials
    std::uint64_t readingFirsts = 0;  // of its reading's stretches
  };
  struct Query;
  void addSubject(TextView text);
  bool matchQuality(const Entry& entry, Query& query, MatchQuality& quality);

  std::vector<Text> names_;
  Text pool_;                           // every subject's folded text, one after another
  std::vector<std::uint8_t> poolBits_;  // charBitIndex of each of its characters
  std::vector<std::uint16_t> wordStarts_;
  std::vector<std::uint64_t> wordInitials_;  // letterBit bits, beside wordStarts_
  std::vector<Subject> subjects_;
  std::vector<Entry> entries_;
  std::vector<Reading> readings_;

  // What the last search was for, and found: text that only adds to it
  // needs to look at no other names.
  Text lastTyped_, lastFolded_;
  std::vector<std::uint32_t> lastFound_;
};

}  // namespace pipit
