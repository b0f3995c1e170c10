// Her pictures without the system's imaging component: small GIFs written
// here with known pixels, and every shipped picture against ImageMagick.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/GifDecoder.h"

namespace pipit {
namespace {

using namespace std::string_literals;

constexpr Pixel R = 0xFFFF0000, A = 0xFF102030, B = 0xFF405060, C = 0xFF708090;
constexpr Pixel kUncovered = 0x00123456, U = 0xFF123456;  // as decoded: opaque

std::string word(int v) { return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}; }

// One image of four-colour tables (code size 2: clear code 4, end code 5).
// Its codes are packed at the width a decoder reads each one: 3 bits after a
// clear code, one more whenever the next table entry reaches a power of two.
struct TestGif {
  std::string signature = "GIF89a";
  int width = 4, height = 2, transparent = -1;
  std::vector<Pixel> global = {R, A, B, C}, local = {};
  int left = 0, top = 0, imageWidth = width, imageHeight = height;
  bool interlaced = false;
  std::vector<int> codes;
  std::size_t cut = 0;  // bytes dropped from the end

  std::string bytes() const {
    auto table = [](const std::vector<Pixel>& colours) {
      std::string rgb;
      for (Pixel p : colours) rgb += {char(p >> 16), char(p >> 8), char(p)};
      return rgb;
    };
    std::string gif = signature + word(width) + word(height) + "\x81\0\0"s + table(global);
    if (transparent >= 0) gif += "\x21\xF9\x04\x01\0\0"s + char(transparent) + '\0';
    gif += ',' + word(left) + word(top) + word(imageWidth) + word(imageHeight) +
           char((local.empty() ? 0 : 0x81) | (interlaced ? 0x40 : 0)) + table(local) + '\x02';
    std::string packed;
    uint32_t bits = 0;
    int count = 0, size = 3, next = 5;
    for (int code : codes) {
      bits |= uint32_t(code) << count;
      for (count += size; count >= 8; count -= 8, bits >>= 8) packed += char(bits);
      if (code == 4) {
        size = 3, next = 5;  // the first code after it adds no entry: 6 is no power of two
      } else if (next < 4096 && ++next == 1 << size && size < 12) {
        ++size;
      }
    }
    if (count > 0) packed += char(bits);
    for (std::size_t i = 0; i < packed.size(); i += 255) {
      gif += char(std::min<std::size_t>(255, packed.size() - i)) + packed.substr(i, 255);
    }
    return (gif + "\0;"s).substr(0, gif.size() + 2 - cut);
  }
};

TEST(GifDecoderTest, DecodesSmallPicturesAndRefusesBrokenOnes) {
  const std::vector<int> all = {4, 0, 1, 2, 3, 3, 2, 1, 0, 5};
  // 5120 pixels: on past a full table at 12 bits, then a clear code, 3 bits.
  std::vector<int> many = {4};
  std::vector<Pixel> manyPixels;
  for (int i = 0; i < 64 * 80; ++i) {
    if (i == 4500) many.push_back(4);
    many.push_back(i * 7 / 5 % 4);
    manyPixels.push_back(TestGif().global[std::size_t(many.back())]);
  }
  struct Case {
    const char* what;
    TestGif gif;
    std::vector<Pixel> pixels;  // empty: neither the size nor the pixels read
  } cases[] = {
      {"global colours", {.codes = all}, {R, A, B, C, C, B, A, R}},
      {"local colours", {.local = {C, B, A, R}, .codes = all}, {C, B, A, R, R, A, B, C}},
      {"transparent index", {.transparent = 2, .codes = all}, {R, A, U, C, C, U, A, R}},
      {"interlaced",
       {.width = 1, .height = 9, .interlaced = true, .codes = {4, 0, 1, 2, 3, 1, 2, 3, 0, 1}},
       {R, B, C, C, B, R, A, A, A}},
      {"offset",
       {.left = 1, .top = 1, .imageWidth = 2, .imageHeight = 1, .codes = {4, 1, 2, 5}},
       {U, U, U, U, U, A, B, U}},
      {"clipped", {.width = 2, .left = 1, .top = 1, .codes = {4, 1, 2, 3, 0}}, {U, U, U, A}},
      // Strings, a code of the entry being added, 4-bit codes.
      {"strings", {.width = 5, .codes = {4, 1, 2, 7, 6, 8, 0}}, {A, B, B, B, A, B, B, B, A, R}},
      {"full table", {.width = 64, .height = 80, .codes = many}, manyPixels},
      // 24 bits: no padding bits at the end to read as a code.
      {"codes run out", {.codes = {4, 1, 2, 3, 0, 1, 2}}, {A, B, C, R, A, B, U, U}},
      // Blocks that hold together round data that does not decode.
      {"code past the table", {.codes = {4, 1, 7, 5}}, {}},
      {"code past the table after 4-bit codes", {.codes = {4, 1, 2, 3, 0, 1, 12}}, {}},
      {"truncated", {.codes = all, .cut = 3}, {}},
      {"bad signature", {.signature = "GIF88a", .codes = all}, {}},
      {"zero size", {.width = 0, .codes = all}, {}},
      {"too wide", {.width = 32768, .codes = all}, {}},
  };
  for (const Case& c : cases) {
    const std::string bytes = c.gif.bytes();
    EXPECT_EQ(readGifSize(bytes),
              c.pixels.empty() ? std::nullopt : std::optional(GifSize{c.gif.width, c.gif.height}))
        << c.what;
    std::vector<Pixel> pixels(std::size_t(c.gif.width) * std::size_t(c.gif.height));
    const bool decoded = decodeGif(bytes, pixels, kUncovered);
    EXPECT_EQ(decoded ? pixels : std::vector<Pixel>(), c.pixels) << c.what;
  }
}

TEST(GifDecoderTest, EveryShippedPictureDecodesWholeAsImageMagickDoes) {
  // Red pixels and an FNV-1a hash of the colours, from ImageMagick's decode.
  const std::map<std::string, std::pair<std::size_t, uint64_t>> references = {
      {"model/main.gif", {106292, 0xcb2f2c46298c6dfe}},
      {"model_simple/main@200.gif", {1152, 0x8ce07fda6db54beb}}};
  std::size_t referencesSeen = 0;
  for (const char* style : {"model", "model_simple"}) {
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(PIPIT_ASSETS_DIR) + "/" + style)) {
      if (entry.path().extension() != ".gif") continue;
      const std::string name = style + ("/" + entry.path().filename().string());
      std::ifstream in(entry.path(), std::ios::binary);
      const std::string bytes{std::istreambuf_iterator<char>(in), {}};
      const auto size = readGifSize(bytes);
      ASSERT_TRUE(size) << name;
      // No picture of hers holds the uncovered colour: her data covers it all.
      std::vector<Pixel> pixels(std::size_t(size->width) * std::size_t(size->height));
      ASSERT_TRUE(decodeGif(bytes, pixels, kUncovered)) << name;
      EXPECT_EQ(std::count(pixels.begin(), pixels.end(), U), 0) << name;
      if (const auto reference = references.find(name); reference != references.end()) {
        uint64_t hash = 14695981039346656037ull;
        for (Pixel p : pixels) hash = (hash ^ (p & 0xFFFFFF)) * 1099511628211ull;
        const auto red = std::size_t(std::count(pixels.begin(), pixels.end(), R));
        EXPECT_EQ(std::make_pair(red, hash), reference->second) << name;
        ++referencesSeen;
      }
    }
  }
  EXPECT_EQ(referencesSeen, references.size());
}

}  // namespace
}  // namespace pipit
