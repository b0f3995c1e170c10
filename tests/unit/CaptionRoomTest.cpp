// The room a caption takes on its row, with margins and spaces of 8.
#include <gtest/gtest.h>

#include "platform/CaptionRoom.h"

namespace pipit {
namespace {

TEST(CaptionRoomTest, ACaptionTakesRoomOnlyWhereItsRowAndWhatHoldsItHaveSome) {
  struct Case {
    const char* what;
    int clientWidth;
    std::vector<PlacedControl> before;
    std::vector<PixelRect> after;
  };
  const Case cases[] = {
      {"captions that fit move nothing",
       200,
       {{{8, 8, 50, 10}, 50}, {{66, 8, 100, 10}}},
       {{8, 8, 50, 10}, {66, 8, 100, 10}}},
      {"up to the window's inner edge", 100, {{{8, 8, 50, 10}, 500}}, {{8, 8, 84, 10}}},
      {"its column moves left, narrowing what is left of it to its caption",
       158,
       {{{8, 8, 60, 10}, 20}, {{70, 8, 80, 10}, 120}},
       {{8, 8, 28, 10}, {36, 8, 114, 10}}},
      {"its column moves together, as far as every row of it allows",
       168,
       {{{8, 8, 40, 10}, 30}, {{60, 8, 100, 10}, 120}, {{60, 20, 100, 10}}, {{8, 20, 40, 10}, 40}},
       {{8, 8, 40, 10}, {56, 8, 104, 10}, {56, 20, 104, 10}, {8, 20, 40, 10}}},
      {"the next control keeps its own caption's room",
       400,
       {{{8, 8, 50, 10}, 200}, {{70, 8, 100, 10}, 60}},
       {{8, 8, 94, 10}, {110, 8, 60, 10}}},
      {"the innermost frame holds it: the frame beside it is no row of its",
       200,
       {{{0, 0, 200, 40}, 0, true},
        {{4, 4, 96, 30}, 0, true},
        {{100, 4, 96, 30}, 0, true},
        {{12, 12, 40, 10}, 100},
        {{108, 12, 80, 10}}},
       {{0, 0, 200, 40}, {4, 4, 96, 30}, {100, 4, 96, 30}, {12, 12, 80, 10}, {108, 12, 80, 10}}},
  };
  for (const Case& c : cases) {
    std::vector<PlacedControl> controls = c.before;
    makeRoomForCaptions(controls, c.clientWidth, 8);
    for (std::size_t i = 0; i < controls.size(); ++i)
      EXPECT_EQ(controls[i].rect, c.after[i]) << c.what << ", control " << i;
  }
}

}  // namespace
}  // namespace pipit
