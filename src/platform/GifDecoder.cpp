#include "platform/GifDecoder.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace pipit {
namespace {

constexpr Pixel kOpaque = 0xFF000000;
constexpr int kLargestCodeSize = 12;
constexpr std::size_t kTableSize = std::size_t{1} << kLargestCodeSize;

uint8_t byteAt(std::string_view bytes, std::size_t at) { return static_cast<uint8_t>(bytes[at]); }

// A forward reader over the file. Callers ask has() before they read, so no
// read ever passes the end.
class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

  bool has(std::size_t count) const { return bytes_.size() - at_ >= count; }
  std::size_t at() const { return at_; }
  uint8_t peek(std::size_t ahead) const { return byteAt(bytes_, at_ + ahead); }
  uint8_t byte() { return byteAt(bytes_, at_++); }
  int32_t word() {
    const int32_t low = byte();
    return low | (byte() << 8);
  }
  void skip(std::size_t count) { at_ += count; }

  // Steps over data sub-blocks, each a length byte and that many bytes, and
  // the empty block that ends them. False when the file ends first.
  bool skipSubBlocks() {
    while (has(1)) {
      const uint8_t length = byte();
      if (length == 0) return true;
      if (!has(length)) return false;
      skip(length);
    }
    return false;
  }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

struct ColourTable {
  std::size_t at = 0;  // of the first red byte
  std::size_t count = 0;
};

// A colour table follows its block when bit 7 of the block's flags is set;
// bits 0-2 give its size as a power of two.
bool readColourTable(ByteReader& in, uint8_t flags, ColourTable& table) {
  if ((flags & 0x80) == 0) return true;
  const std::size_t count = std::size_t{2} << (flags & 0x07);
  if (!in.has(3 * count)) return false;
  table = {in.at(), count};
  in.skip(3 * count);
  return true;
}

// Where the first image lies on the logical screen and how to read it.
struct FirstImage {
  GifSize screen{};
  int32_t left = 0, top = 0, width = 0, height = 0;
  bool interlaced = false;
  ColourTable colours;                 // the image's own, or else the file's
  std::optional<uint8_t> transparent;  // the index that shows what lies behind
  int minCodeSize = 0;                 // the LZW codes start one bit wider
  std::size_t data = 0;                // the first data sub-block's length byte
};

std::optional<FirstImage> findFirstImage(std::string_view bytes) {
  ByteReader in(bytes);
  if (!in.has(13)) return std::nullopt;
  const std::string_view signature = bytes.substr(0, 6);
  if (signature != "GIF87a" && signature != "GIF89a") return std::nullopt;
  in.skip(6);
  FirstImage image;
  image.screen.width = in.word();
  image.screen.height = in.word();
  const uint8_t screenFlags = in.byte();
  in.skip(2);  // the background colour and the aspect ratio: neither is drawn
  for (const int32_t side : {image.screen.width, image.screen.height}) {
    if (side == 0 || side > kLargestGifSide) return std::nullopt;
  }
  ColourTable global;
  if (!readColourTable(in, screenFlags, global)) return std::nullopt;

  while (in.has(1)) {
    const uint8_t introducer = in.byte();
    if (introducer == 0x21) {  // an extension: a label, then sub-blocks
      if (!in.has(1)) return std::nullopt;
      const uint8_t label = in.byte();
      // A graphic control extension speaks for the image after it: a block of
      // at least four bytes, bit 0 of the first saying the fourth is the
      // transparent index. A shorter block is ignored, not refused.
      if (label == 0xF9 && in.has(5) && in.peek(0) >= 4) {
        image.transparent.reset();
        if ((in.peek(1) & 0x01) != 0) image.transparent = in.peek(4);
      }
      if (!in.skipSubBlocks()) return std::nullopt;
    } else if (introducer == 0x2C) {  // the image descriptor
      if (!in.has(9)) return std::nullopt;
      image.left = in.word();
      image.top = in.word();
      image.width = in.word();
      image.height = in.word();
      const uint8_t imageFlags = in.byte();
      image.interlaced = (imageFlags & 0x40) != 0;
      image.colours = global;
      if (!readColourTable(in, imageFlags, image.colours) || !in.has(1)) return std::nullopt;
      // Indices of at most 8 bits; two colours still take 2.
      image.minCodeSize = in.byte();
      if (image.minCodeSize < 2 || image.minCodeSize > 8) return std::nullopt;
      image.data = in.at();
      if (!in.skipSubBlocks()) return std::nullopt;
      return image;
    } else {
      return std::nullopt;  // the trailer before any image, or no block at all
    }
  }
  return std::nullopt;
}

// The image data's codes, packed least significant bit first across the
// sub-blocks. Stops at the empty block that ends them.
class CodeReader {
 public:
  CodeReader(std::string_view bytes, std::size_t at) : bytes_(bytes), at_(at) {}

  bool read(int size, std::size_t& code) {
    while (count_ < size) {
      if (blockLeft_ == 0) {
        if (at_ >= bytes_.size()) return false;
        blockLeft_ = byteAt(bytes_, at_++);
        if (blockLeft_ == 0) {
          at_ = bytes_.size();  // nothing after the end is data
          return false;
        }
      }
      if (at_ >= bytes_.size()) return false;
      bits_ |= static_cast<uint32_t>(byteAt(bytes_, at_++)) << count_;
      count_ += 8;
      --blockLeft_;
    }
    code = bits_ & ((1u << size) - 1);
    bits_ >>= size;
    count_ -= size;
    return true;
  }

 private:
  std::string_view bytes_;
  std::size_t at_;
  std::size_t blockLeft_ = 0;
  uint32_t bits_ = 0;
  int count_ = 0;
};

// Lays the image's colour indices, in the order its data holds them, on the
// screen: row after row, or for an interlaced image in four passes (every
// 8th row from row 0, every 8th from 4, every 4th from 2, every 2nd from 1).
// What falls outside the screen is dropped.
class RowWriter {
 public:
  static constexpr bool kNeedsIndices = true;
  RowWriter(std::span<Pixel> screen, const FirstImage& image, const std::array<Pixel, 256>& colours)
      : screen_(screen),
        image_(image),
        colours_(colours),
        screenWidth_(static_cast<std::size_t>(image.screen.width)),
        visibleWidth_(std::clamp(image.screen.width - image.left, 0, image.width)),
        rowsLeft_(image.width > 0 ? image.height : 0),
        pass_(image.interlaced ? 0 : 3),
        step_(image.interlaced ? kStep[0] : 1) {
    pointAtRow();
  }

  bool done() const { return rowsLeft_ == 0; }

  void write(const uint8_t* indices, int32_t count) {
    while (count > 0 && rowsLeft_ > 0) {
      const int32_t run = std::min(count, image_.width - x_);
      if (row_ != nullptr) {
        const Pixel* colours = colours_.data();
        const int32_t end = std::min(x_ + run, visibleWidth_);
        for (int32_t x = x_; x < end; ++x) row_[x] = colours[indices[x - x_]];
      }
      indices += run;
      count -= run;
      x_ += run;
      if (x_ == image_.width) nextRow();
    }
  }

 private:
  static constexpr int32_t kStart[] = {0, 4, 2, 1};
  static constexpr int32_t kStep[] = {8, 8, 4, 2};

  void nextRow() {
    x_ = 0;
    --rowsLeft_;
    y_ += step_;
    while (y_ >= image_.height && pass_ < 3) {
      ++pass_;
      y_ = kStart[pass_];
      step_ = kStep[pass_];
    }
    pointAtRow();
  }

  void pointAtRow() {
    const int32_t screenY = image_.top + y_;
    row_ = nullptr;
    if (rowsLeft_ > 0 && y_ < image_.height && screenY < image_.screen.height &&
        visibleWidth_ > 0) {
      row_ = screen_.data() + static_cast<std::size_t>(screenY) * screenWidth_ +
             static_cast<std::size_t>(image_.left);
    }
  }

  std::span<Pixel> screen_;
  const FirstImage& image_;
  const std::array<Pixel, 256>& colours_;
  const std::size_t screenWidth_;
  const int32_t visibleWidth_;
  int32_t rowsLeft_;
  int pass_;
  int32_t step_;
  int32_t x_ = 0;
  int32_t y_ = 0;
  Pixel* row_ = nullptr;
};

// Counts the indices a decode would write, for the check that keeps no
// pixels: done once the image would be full, as RowWriter is.
class IndexCounter {
 public:
  static constexpr bool kNeedsIndices = false;
  explicit IndexCounter(const FirstImage& image)
      : left_(int64_t{image.width} * int64_t{image.height}) {}
  bool done() const { return left_ <= 0; }
  void write(const uint8_t*, int32_t count) { left_ -= count; }

 private:
  int64_t left_;
};

// The LZW code table: every entry is a string of colour indices, held as the
// entry it extends and the index it adds, with its first index and length
// so that a string is written out in one pass, back to front.
struct CodeTable {
  std::array<uint16_t, kTableSize> prefix;
  std::array<uint8_t, kTableSize> suffix;
  std::array<uint8_t, kTableSize> first;
  std::array<uint16_t, kTableSize> length;
};

// False for a code that is neither in the table nor the one entry about to
// be added: the data is corrupt. Running out of codes, or an end code before
// the image is full, leaves the rest as it was. `Rows` is a RowWriter or an
// IndexCounter; the strings are spelt out only for one that draws them.
template <class Rows>
bool decodeCodes(CodeReader& codes, int minCodeSize, Rows& rows) {
  // About 28 KB together: on the stack, so no picture costs an allocation.
  CodeTable table;
  std::array<uint8_t, kTableSize> string;
  constexpr std::size_t kNone = kTableSize;  // no previous code
  const std::size_t clear = std::size_t{1} << minCodeSize;
  const std::size_t end = clear + 1;
  for (std::size_t i = 0; i < clear; ++i) {
    table.prefix[i] = 0;
    table.suffix[i] = table.first[i] = static_cast<uint8_t>(i);
    table.length[i] = 1;
  }
  int size = minCodeSize + 1;
  std::size_t next = clear + 2;
  std::size_t previous = kNone;  // since the start or the last clear code
  std::size_t code = 0;
  while (!rows.done() && codes.read(size, code)) {
    if (code == clear) {
      size = minCodeSize + 1;
      next = clear + 2;
      previous = kNone;
      continue;
    }
    if (code == end) break;
    if (code > next || (code == next && previous == kNone)) return false;
    // Each code after the first adds the previous string and the first index
    // of this one. A full table adds nothing and stays at 12 bits until a
    // clear code. A code of the entry being added (the encoder used it at
    // once) starts with the previous string's first index.
    if (previous != kNone && next < kTableSize) {
      table.prefix[next] = static_cast<uint16_t>(previous);
      table.suffix[next] = table.first[code == next ? previous : code];
      table.first[next] = table.first[previous];
      table.length[next] = static_cast<uint16_t>(table.length[previous] + 1);
      ++next;
      if (next == std::size_t{1} << size && size < kLargestCodeSize) ++size;
    }
    const uint16_t length = table.length[code];
    if constexpr (Rows::kNeedsIndices) {
      std::size_t c = code;
      for (std::size_t i = length; i-- > 0; c = table.prefix[c]) string[i] = table.suffix[c];
    }
    rows.write(string.data(), length);
    previous = code;
  }
  return true;
}

}  // namespace

std::optional<GifSize> readGifSize(std::string_view bytes) {
  const auto image = findFirstImage(bytes);
  if (!image) return std::nullopt;
  IndexCounter counter(*image);
  CodeReader codes(bytes, image->data);
  if (!decodeCodes(codes, image->minCodeSize, counter)) return std::nullopt;
  return image->screen;
}

bool decodeGif(std::string_view bytes, std::span<Pixel> pixels, Pixel uncovered) {
  const auto image = findFirstImage(bytes);
  if (!image) return false;
  if (pixels.size() != static_cast<std::size_t>(image->screen.width) *
                           static_cast<std::size_t>(image->screen.height)) {
    return false;
  }
  uncovered |= kOpaque;
  std::fill(pixels.begin(), pixels.end(), uncovered);

  // An index past the colour table (or with no table at all) draws black.
  std::array<Pixel, 256> colours;
  colours.fill(kOpaque);
  for (std::size_t i = 0; i < image->colours.count; ++i) {
    const std::size_t at = image->colours.at + 3 * i;
    colours[i] = kOpaque | (Pixel{byteAt(bytes, at)} << 16) | (Pixel{byteAt(bytes, at + 1)} << 8) |
                 byteAt(bytes, at + 2);
  }
  if (image->transparent) colours[*image->transparent] = uncovered;

  RowWriter rows(pixels, *image, colours);
  CodeReader codes(bytes, image->data);
  return decodeCodes(codes, image->minCodeSize, rows);
}

}  // namespace pipit
