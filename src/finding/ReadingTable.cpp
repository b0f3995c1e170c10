#include "finding/ReadingTable.h"

#include <algorithm>
#include <string_view>

#include "base/Path.h"

namespace pipit {
namespace {

// The layout tools/make-reading-table writes, all numbers little-endian:
// the mark, the version, the counts of words, of their UTF-16 units and of
// their readings' bytes; where each word starts among the units and where
// its readings start among the bytes (one more of each, for the last one's
// end); the units; the bytes. A word's readings are its bytes split at 0,
// one byte a katakana (U+30A0 + b).
constexpr std::string_view kMark = "PIPITRDT";
constexpr uint32_t kVersion = 1;
constexpr std::size_t kHeaderSize = 24;
constexpr char16_t kKatakanaBase = 0x30A0;

bool isHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLow(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The ideographs, 々〆〇, and the supplementary ones (U+20000 to U+3FFFF)
// by their high surrogate: what the generator counts as a kanji.
bool isKanji(char16_t c) {
  return (c >= 0x3005 && c <= 0x3007) || (c >= 0x3400 && c <= 0x4DBF) ||
         (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xD840 && c <= 0xD8BF);
}

bool holdsKanji(TextView text) {
  for (const char16_t c : text) {
    if (isKanji(c)) return true;
  }
  return false;
}

}  // namespace

ReadingTable::ReadingTable(std::unique_ptr<const MappedFile> file)
    : file_(std::move(file)), bytes_(file_->bytes()) {
  count_ = number(kMark.size() + 4);
  units_ = number(kMark.size() + 8);
  textBytes_ = number(kMark.size() + 12);
}

std::optional<ReadingTable> ReadingTable::over(std::unique_ptr<const MappedFile> file) {
  if (!file) return std::nullopt;
  const std::string_view bytes = file->bytes();
  if (bytes.size() < kHeaderSize || bytes.substr(0, kMark.size()) != kMark) return std::nullopt;
  ReadingTable table(std::move(file));
  if (table.number(kMark.size()) != kVersion) return std::nullopt;
  const uint64_t offsets = 2 * (uint64_t{table.count_} + 1) * 4;
  const uint64_t size = kHeaderSize + offsets + uint64_t{table.units_} * 2 + table.textBytes_;
  if (size != table.bytes_.size()) return std::nullopt;
  return table;
}

uint32_t ReadingTable::number(std::size_t at) const {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + at);
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

ReadingTable::Span ReadingTable::surface(uint32_t entry) const {
  const std::size_t at = kHeaderSize + std::size_t{entry} * 4;
  const Span span{number(at), number(at + 4)};
  return span.begin <= span.end && span.end <= units_ ? span : Span{};
}

ReadingTable::Span ReadingTable::readingBytes(uint32_t entry) const {
  const std::size_t at = kHeaderSize + (std::size_t{count_} + 1 + entry) * 4;
  const Span span{number(at), number(at + 4)};
  return span.begin <= span.end && span.end <= textBytes_ ? span : Span{};
}

int32_t ReadingTable::unitOf(uint32_t entry, std::size_t k) const {
  const Span span = surface(entry);
  if (k >= span.end - span.begin) return -1;
  const std::size_t at = kHeaderSize + (std::size_t{count_} + 1) * 8 + (span.begin + k) * 2;
  const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + at);
  return int32_t{p[0]} | int32_t{p[1]} << 8;
}

std::pair<uint32_t, std::size_t> ReadingTable::longestWord(TextView text) const {
  // [lo, hi) are the words that begin with the first k units of the text;
  // of those, the words whose next unit is the text's next follow in a row.
  uint32_t lo = 0;
  uint32_t hi = count_;
  std::pair<uint32_t, std::size_t> best{0, 0};
  for (std::size_t k = 0; k < text.size() && lo < hi; ++k) {
    const int32_t unit = text[k];
    const auto firstNotBelow = [&](uint32_t from, uint32_t to, int32_t bound) {
      while (from < to) {
        const uint32_t middle = from + (to - from) / 2;
        if (unitOf(middle, k) < bound) {
          from = middle + 1;
        } else {
          to = middle;
        }
      }
      return from;
    };
    lo = firstNotBelow(lo, hi, unit);
    hi = firstNotBelow(lo, hi, unit + 1);
    // A word that ends here sorts before the longer ones it begins.
    if (lo < hi && unitOf(lo, k + 1) < 0) best = {lo, k + 1};
  }
  return best;
}

std::vector<Text> ReadingTable::readingsOf(uint32_t entry) const {
  const Span span = readingBytes(entry);
  const std::size_t at = kHeaderSize + (std::size_t{count_} + 1) * 8 + std::size_t{units_} * 2;
  const std::string_view text = bytes_.substr(at + span.begin, span.end - span.begin);
  std::vector<Text> readings;
  std::size_t from = 0;
  while (from <= text.size()) {
    const std::size_t end = std::min(text.find('\0', from), text.size());
    if (end > from) {
      Text& reading = readings.emplace_back(end - from, u'\0');
      for (std::size_t i = from; i < end; ++i) {
        reading[i - from] =
            static_cast<char16_t>(kKatakanaBase + static_cast<unsigned char>(text[i]));
      }
    }
    from = end + 1;
  }
  return readings;
}

Reading ReadingTable::readingOf(TextView folded) const {
  Reading reading;
  if (!holdsKanji(folded)) return reading;
  Text plain;
  const auto keepPlain = [&] {
    if (plain.empty()) return;
    reading.push_back({std::move(plain)});
    plain.clear();
  };
  for (std::size_t i = 0; i < folded.size();) {
    const auto [entry, length] = longestWord(folded.substr(i));
    if (length > 0) {
      if (std::vector<Text> readings = readingsOf(entry); !readings.empty()) {
        keepPlain();
        reading.push_back(std::move(readings));
        i += length;
        continue;
      }
    }
    const bool pair = isHigh(folded[i]) && i + 1 < folded.size() && isLow(folded[i + 1]);
    const std::size_t step = pair ? 2 : 1;
    plain.append(folded.substr(i, step));
    i += step;
  }
  keepPlain();
  return reading;
}

Outcome<std::shared_ptr<const ReadingTable>> openReadingTable(const Files& files) {
  const Text name(kReadingTableName);
  Outcome<std::unique_ptr<const MappedFile>> mapped =
      files.map(appendPathSeparator(files.programFolder()) + name);
  if (!mapped) {
    return Failure{mapped.failure().number, u"読みの辞書 " + name +
                                                u" を開けないため、漢字の読みでは探しません:" +
                                                mapped.failure().toText()};
  }
  std::optional<ReadingTable> table = ReadingTable::over(std::move(mapped.value()));
  if (!table) {
    return Failure{Failure::fileAccess().number,
                   u"読みの辞書 " + name + u" が壊れているため、漢字の読みでは探しません。"};
  }
  return std::shared_ptr<const ReadingTable>(std::make_shared<ReadingTable>(std::move(*table)));
}

}  // namespace pipit
