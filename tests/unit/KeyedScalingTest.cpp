// Resizing her pictures: the key colour stays exact and her pixels never
// blend with it, whichever way the picture is scaled.
#include <gtest/gtest.h>

#include <vector>

#include "platform/KeyedScaling.h"

namespace pipit {
namespace {

constexpr Pixel R = 0xFFFF0000;  // the key, as a decoded picture holds it
constexpr Pixel A = 0xFF102030;
constexpr Pixel B = 0xFF3050F0;

struct Case {
  const char* what;
  std::vector<Pixel> source;
  int32_t width, height, toWidth, toHeight;
  std::vector<Pixel> expected;
};

TEST(KeyedScalingTest, TheKeyStaysExactAndHerPixelsNeverBlendWithIt) {
  const Case cases[] = {
      {"twice as large repeats pixels", {A, R}, 2, 1, 4, 1, {A, A, R, R}},
      {"an edge half on her stays hers", {A, A, R, R}, 4, 1, 3, 1, {A, A, R}},
      {"half covered: hers, averaged without the key", {A, B, R, R}, 2, 2, 1, 1, {0xFF203890}},
      {"mostly key: the key", {A, R, R, R}, 2, 2, 1, 1, {R}},
      {"her pixels averaging to pure red move off it",
       {0xFFFE0000, 0xFFFF0001, 0xFFFF0100},
       3,
       1,
       1,
       1,
       {0xFFFF0001}},
      {"alpha is ignored and written opaque", {0x00102030}, 1, 1, 2, 1, {A, A}},
      {"125 %: the edge stays where it falls",
       {A, A, A, A, R, R, R, R},
       8,
       1,
       10,
       1,
       {A, A, A, A, A, R, R, R, R, R}},
  };
  for (const Case& c : cases) {
    std::vector<Pixel> target(static_cast<std::size_t>(c.toWidth) * c.toHeight, 0);
    scaleKeyed({c.source.data(), c.width, c.height}, target, c.toWidth, c.toHeight, kKeyPixel);
    EXPECT_EQ(target, c.expected) << c.what;
  }
}

}  // namespace
}  // namespace pipit
