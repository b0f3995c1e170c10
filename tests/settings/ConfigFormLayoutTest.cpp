#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "settings/ConfigFormLayout.h"

namespace pipit {
namespace {

TEST(ConfigFormLayoutTest, ControlsFitTheirFramesAndTakeEachTabPlaceOnce) {
  const auto& controls = ConfigFormLayout::controls();
  std::set<int> tabs;
  std::set<int> ids;
  for (const FormControl& c : controls) {
    SCOPED_TRACE(c.id);
    tabs.insert(c.tab);
    ids.insert(c.id);
    EXPECT_GT(c.id, 2) << "1 and 2 are Enter and Escape";
    const TwipsRect in = ConfigFormLayout::inWindow(c);
    EXPECT_LE(in.left + in.width, ConfigFormLayout::kClientWidth);
    EXPECT_LE(in.top + in.height, ConfigFormLayout::kClientHeight);
    if (c.container != 0) {
      const auto frame = std::find_if(controls.begin(), controls.end(),
                                      [&](const FormControl& f) { return f.id == c.container; });
      ASSERT_NE(frame, controls.end());
      EXPECT_EQ(frame->kind, ControlKind::Frame);
      EXPECT_LE(c.rect.left + c.rect.width, frame->rect.width);
      EXPECT_LE(c.rect.top + c.rect.height, frame->rect.height);
    }
    EXPECT_EQ(c.hidden, c.id == configform::kPasteButton);
  }
  EXPECT_EQ(ids.size(), controls.size());
  EXPECT_EQ(tabs.size(), controls.size());
  EXPECT_EQ(*tabs.rbegin(), static_cast<int>(controls.size()) - 1);
  EXPECT_EQ(controls.front().id, configform::kCommandList) << "kept in keyboard order";
}

TEST(ConfigFormLayoutTest, TwipsBecomePixelsAtTheScreensDensity) {
  struct Case {
    int dpi;
    TwipsRect twips;
    PixelRect pixels;
  };
  for (const Case& c : std::vector<Case>{
           {96, {0, 0, 8055, 6735}, {0, 0, 537, 449}},
           {144, {1440, 720, 1440, 15}, {144, 72, 144, 2}},
           // 7.5 + 7.5 pixels: the edges round, so the parts still add up
           {96, {113, 0, 112, 0}, {8, 0, 7, 0}},
           {120, {120, 120, 7815, 4095}, {10, 10, 651, 341}},
       }) {
    const PixelRect got = toPixels(c.twips, c.dpi, c.dpi);
    EXPECT_EQ((std::vector<int>{got.left, got.top, got.width, got.height}),
              (std::vector<int>{c.pixels.left, c.pixels.top, c.pixels.width, c.pixels.height}))
        << c.dpi << " dpi, left " << c.twips.left;
  }
}

}  // namespace
}  // namespace pipit
