#pragma once
// The readings of words that hold kanji, from the table shipped beside the
// launcher (readings.dat, made from a dictionary by tools/make-reading-table),
// so that a program named 電卓 is found by "dentaku" or でんたく too. The
// table is mapped and searched in place: nothing is parsed when it opens, and
// the launcher's own memory does not grow by it.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Failure.h"
#include "base/Text.h"
#include "finding/RomajiReading.h"
#include "platform/Files.h"
#include "platform/MappedFile.h"

namespace pipit {

inline constexpr TextView kReadingTableName = u"readings.dat";

class ReadingTable {
 public:
  // Nothing when the bytes are no table: another mark or version, or counts
  // that do not add up to its size (one cut short, say). The offsets inside
  // are checked as they are used, so a damaged entry reads as no entry.
  static std::optional<ReadingTable> over(std::unique_ptr<const MappedFile> file);

  // The reading of a name folded by foldForFinding, cut into the longest
  // words of the table it holds, from the left: each word is a stretch of
  // all its readings, and everything between them (kana, letters, blanks,
  // a kanji no word holds) is kept as it stands, neighbours in one stretch.
  // Empty for a name that holds no kanji.
  Reading readingOf(TextView folded) const;

  std::size_t words() const { return count_; }

 private:
  struct Span {
    uint32_t begin = 0;
    uint32_t end = 0;
  };

  explicit ReadingTable(std::unique_ptr<const MappedFile> file);
  uint32_t number(std::size_t at) const;
  // An entry's units and its readings' bytes, empty when damaged.
  Span surface(uint32_t entry) const;
  Span readingBytes(uint32_t entry) const;
  // The k-th unit of an entry, or -1 past its end (sorting before every unit).
  int32_t unitOf(uint32_t entry, std::size_t k) const;
  // The longest word that begins `text`: its entry and length (0 for none).
  std::pair<uint32_t, std::size_t> longestWord(TextView text) const;
  std::vector<Text> readingsOf(uint32_t entry) const;

  std::unique_ptr<const MappedFile> file_;
  std::string_view bytes_;
  uint32_t count_ = 0;
  uint32_t units_ = 0;
  uint32_t textBytes_ = 0;
};

// Maps readings.dat in the program's folder. A missing or damaged table gives
// a failure whose description is the whole line for the log; the launcher
// then finds names without readings.
Outcome<std::shared_ptr<const ReadingTable>> openReadingTable(const Files& files);

}  // namespace pipit
