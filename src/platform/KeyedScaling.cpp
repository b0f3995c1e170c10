#include "platform/KeyedScaling.h"

#include <algorithm>
#include <vector>

namespace pipit {
namespace {

constexpr Pixel kColour = 0x00FFFFFF;
constexpr Pixel kOpaque = 0xFF000000;

// The source pixels under one target pixel along one axis, with how much of
// each it covers. Lengths are counted in units of 1 / (source * target)
// so that every overlap is a whole number.
struct Span {
  int32_t first = 0;
  std::vector<int64_t> weights;
};

std::vector<Span> spans(int32_t source, int32_t target) {
  std::vector<Span> result(static_cast<std::size_t>(target));
  for (int32_t t = 0; t < target; ++t) {
    // Target pixel t covers [t * source, (t + 1) * source); source pixel s
    // covers [s * target, (s + 1) * target).
    const int64_t begin = int64_t{t} * source;
    const int64_t end = begin + source;
    Span& span = result[static_cast<std::size_t>(t)];
    span.first = static_cast<int32_t>(begin / target);
    for (int64_t s = span.first; s < source && s * target < end; ++s) {
      const int64_t overlap = std::min(end, (s + 1) * target) - std::max(begin, s * target);
      span.weights.push_back(overlap);
    }
  }
  return result;
}

}  // namespace

void scaleKeyed(const PixelImage& source, std::span<Pixel> target, int32_t targetWidth,
                int32_t targetHeight, Pixel key) {
  if (source.width <= 0 || source.height <= 0 || targetWidth <= 0 || targetHeight <= 0) return;
  if (target.size() < static_cast<std::size_t>(targetWidth) * targetHeight) return;
  key &= kColour;
  const std::vector<Span> across = spans(source.width, targetWidth);
  const std::vector<Span> down = spans(source.height, targetHeight);
  const int64_t whole = int64_t{source.width} * source.height;  // a target pixel's area
  for (int32_t y = 0; y < targetHeight; ++y) {
    const Span& rows = down[static_cast<std::size_t>(y)];
    for (int32_t x = 0; x < targetWidth; ++x) {
      const Span& columns = across[static_cast<std::size_t>(x)];
      int64_t covered = 0;
      int64_t red = 0;
      int64_t green = 0;
      int64_t blue = 0;
      for (std::size_t r = 0; r < rows.weights.size(); ++r) {
        const Pixel* row =
            source.pixels + static_cast<std::size_t>(rows.first + static_cast<int32_t>(r)) *
                                static_cast<std::size_t>(source.width);
        for (std::size_t c = 0; c < columns.weights.size(); ++c) {
          const Pixel p = row[columns.first + static_cast<int32_t>(c)] & kColour;
          if (p == key) continue;
          const int64_t weight = rows.weights[r] * columns.weights[c];
          covered += weight;
          red += weight * ((p >> 16) & 0xFF);
          green += weight * ((p >> 8) & 0xFF);
          blue += weight * (p & 0xFF);
        }
      }
      Pixel out = key;
      if (covered * 2 >= whole) {
        auto mean = [covered](int64_t sum) {
          return static_cast<Pixel>((sum + covered / 2) / covered);
        };
        out = (mean(red) << 16) | (mean(green) << 8) | mean(blue);
        // Her own pixels always stay visible, even one that averages out to
        // the key exactly.
        if (out == key) out ^= 1;
      }
      target[static_cast<std::size_t>(y) * targetWidth + x] = out | kOpaque;
    }
  }
}

}  // namespace pipit
