// Her pictures' GIF reader: any bytes. The size and the decode accept the
// same files, and a decode writes every pixel opaque.
#include <vector>

#include "FuzzSupport.h"
#include "platform/GifDecoder.h"

using namespace pipit;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::bytesOf(data, size);
  const auto gifSize = readGifSize(bytes);
  if (!gifSize) return 0;
  PIPIT_FUZZ_CHECK(gifSize->width > 0 && gifSize->width <= kLargestGifSide && gifSize->height > 0 &&
                       gifSize->height <= kLargestGifSide,
                   Text());
  // Large screens cost memory, not paths the small ones do not take.
  const std::size_t area = static_cast<std::size_t>(gifSize->width) * gifSize->height;
  if (area > (std::size_t{1} << 22)) return 0;
  std::vector<Pixel> tooFew(area - 1);
  PIPIT_FUZZ_CHECK(!decodeGif(bytes, tooFew, kKeyPixel), Text());

  // Decoded twice with two uncovered colours: every pixel opaque, and the
  // two differ only where each holds its own uncovered colour.
  constexpr Pixel kOther = 0x00123456;
  std::vector<Pixel> keyed(area, 0), other(area, 0);
  PIPIT_FUZZ_CHECK(decodeGif(bytes, keyed, kKeyPixel), Text());
  PIPIT_FUZZ_CHECK(decodeGif(bytes, other, kOther), Text());
  for (std::size_t i = 0; i < area; ++i) {
    PIPIT_FUZZ_CHECK(keyed[i] >> 24 == 0xFF && other[i] >> 24 == 0xFF, Text());
    PIPIT_FUZZ_CHECK(keyed[i] == other[i] || (keyed[i] == (kKeyPixel | 0xFF000000) &&
                                              other[i] == (kOther | 0xFF000000)),
                     Text());
  }
  return 0;
}
