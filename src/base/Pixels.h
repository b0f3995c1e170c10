#pragma once
// Screen positions and rectangles in pixels, and rectangles in twips (1/1440
// of an inch), as dialog layouts are written.
#include <cstdint>

namespace pipit {

struct PixelPoint {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const PixelPoint&) const = default;
};

struct PixelRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  bool operator==(const PixelRect&) const = default;
};

struct TwipsRect {
  int32_t left, top, width, height;
};

// Twips to the nearest pixel at `dpi` dots per inch, halves away from zero.
constexpr int32_t twipsToPixels(int32_t twips, int dpi) {
  const int64_t scaled = int64_t{twips} * dpi;
  return static_cast<int32_t>(scaled >= 0 ? (scaled + 720) / 1440 : -((-scaled + 720) / 1440));
}

// Edges are converted, not sizes, so that neighbours stay flush.
constexpr PixelRect toPixels(const TwipsRect& rect, int dpiX, int dpiY) {
  const int32_t left = twipsToPixels(rect.left, dpiX);
  const int32_t top = twipsToPixels(rect.top, dpiY);
  return {left, top, twipsToPixels(rect.left + rect.width, dpiX) - left,
          twipsToPixels(rect.top + rect.height, dpiY) - top};
}

}  // namespace pipit
