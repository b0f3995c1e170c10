#pragma once
// Resizing a colour-keyed picture. Her window shows what lies behind every
// pixel of exactly the key colour; a scaler that blended her outline with the
// key would leave a fringe of near-red pixels around her that are neither
// shown through nor part of her. This one decides each new pixel by what
// covers most of it: the key, or the average of the pixels that are not.
#include <cstdint>
#include <span>

namespace pipit {

// 0xAARRGGBB, as a 32-bit BGRA bitmap holds it in memory. Alpha is ignored
// and written as opaque.
using Pixel = uint32_t;

// Pure red: the colour her window keys out.
constexpr Pixel kKeyPixel = 0x00FF0000;

struct PixelImage {
  const Pixel* pixels;  // rows top down, `width` pixels each, no padding
  int32_t width;
  int32_t height;
};

// Resizes `source` into `target`, which holds target.width * target.height
// pixels. A target pixel more than half covered by key-coloured source
// pixels is the key; any other is the area-weighted average of the source
// pixels under it that are not the key, and never equals the key.
void scaleKeyed(const PixelImage& source, std::span<Pixel> target, int32_t targetWidth,
                int32_t targetHeight, Pixel key);

}  // namespace pipit
