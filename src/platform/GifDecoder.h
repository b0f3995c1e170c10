#pragma once
// Reading her GIF pictures without the system's imaging component, whose
// start (COM, its factory, a full decode just to learn a size) costs more at
// start-up under Wine than decoding every picture she shows.
//
// Only the first image of a file counts: her pictures are single frames, and
// an animated file shows its first frame. Both functions accept exactly the
// same files, so a size that was read can always be decoded.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "platform/KeyedScaling.h"

namespace pipit {

struct GifSize {
  int32_t width;
  int32_t height;
  bool operator==(const GifSize&) const = default;
};

// The largest width or height taken: a window bitmap of more than that is
// no picture of hers, and it keeps width * height within 32 bits.
inline constexpr int32_t kLargestGifSide = 32767;

// The logical screen's size of a GIF whose blocks hold together up to the
// end of its first image's data and whose data decodes, or nothing. The
// codes are followed through the table without spelling out a pixel, so a
// damaged picture is found when it is read at a fraction of its decode.
std::optional<GifSize> readGifSize(std::string_view bytes);

// Decodes the first image into `pixels`, exactly width * height of the
// logical screen, rows top down, every pixel opaque. What the image does not
// cover, its transparent colour and what its data stops short of become
// `uncovered` (callers pass the key colour: the desktop shows there). False
// for bytes that readGifSize rejects, a `pixels` of another size, or image
// data with a code that cannot occur in a GIF (a corrupt file).
bool decodeGif(std::string_view bytes, std::span<Pixel> pixels, Pixel uncovered);

}  // namespace pipit
