#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "ui/InputDrop.h"

namespace pipit {
namespace {

// Whatever the drag holds: files, text, or neither.
TEST(InputDropTest, SheCopiesOrLinksAndNeverMoves) {
  constexpr uint32_t kAll = kDropCopy | kDropMove | kDropLink;
  const std::vector<std::pair<uint32_t, uint32_t>> cases = {{kAll, kDropCopy},
                                                            {kDropCopy | kDropMove, kDropCopy},
                                                            {kDropMove | kDropLink, kDropLink},
                                                            {kDropMove, kDropNone},
                                                            {kDropNone, kDropNone}};
  for (const auto& [allowed, effect] : cases) {
    EXPECT_EQ(inputDropEffect(allowed), effect) << "allowed " << allowed;
  }
}

}  // namespace
}  // namespace pipit
