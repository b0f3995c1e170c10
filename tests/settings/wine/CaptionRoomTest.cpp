// The rule that gives a caption room on its row: margins and spaces of 8.
#include <gtest/gtest.h>

#include "platform/CaptionRoom.h"

namespace pipit::win32 {
namespace {

TEST(CaptionRoomTest, ACaptionTakesFreeSpaceThenMovesColumnsWithinWhatHoldsIt) {
  struct Case {
    const char* what;
    std::vector<PlacedControl> before;
    std::vector<PixelRect> after;
  };
  const Case cases[] = {
      {"up to the field on its row, whose column then moves right",
       {{{8, 8, 50, 10}, 80}, {{70, 8, 100, 10}}, {{70, 20, 100, 10}}, {{8, 20, 50, 10}, 40}},
       {{8, 8, 80, 10}, {96, 8, 74, 10}, {96, 20, 74, 10}, {8, 20, 50, 10}}},
      {"a field gives half its width at most",
       {{{8, 8, 50, 10}, 200}, {{70, 8, 100, 10}}},
       {{8, 8, 104, 10}, {120, 8, 50, 10}}},
      {"at its frame's edge its column moves left, as far as captions there allow",
       {{{0, 0, 200, 40}, 0, true},
        {{8, 8, 90, 10}, 50},
        {{110, 8, 82, 10}, 100},
        {{110, 20, 82, 10}, 60}},
       {{0, 0, 200, 40}, {8, 8, 84, 10}, {92, 8, 100, 10}, {92, 20, 100, 10}}},
  };
  for (const Case& c : cases) {
    std::vector<PlacedControl> controls = c.before;
    makeRoomForCaptions(controls, 400, 8);
    for (std::size_t i = 0; i < controls.size(); ++i)
      EXPECT_EQ(controls[i].rect, c.after[i]) << c.what << ", control " << i;
  }
}

}  // namespace
}  // namespace pipit::win32
