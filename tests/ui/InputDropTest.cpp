#include <gtest/gtest.h>

#include "ui/InputDrop.h"

namespace pipit {
namespace {

TEST(InputDropTest, SheCopiesOrLinksAndNeverMoves) {
  constexpr uint32_t kAll = kDropCopy | kDropMove | kDropLink;
  struct Case {
    DropOffer offer;
    uint32_t allowed, effect;
  };
  for (const Case& c : {
           Case{{true, false}, kAll, kDropCopy},
           Case{{false, true}, kDropCopy | kDropMove, kDropCopy},
           Case{{true, true}, kDropMove | kDropLink, kDropLink},
           Case{{true, false}, kDropMove, kDropNone},
           Case{{true, false}, kDropNone, kDropNone},
           Case{{false, false}, kAll, kDropNone},
       }) {
    EXPECT_EQ(inputDropEffect(c.offer, c.allowed), c.effect)
        << c.offer.files << c.offer.text << " allowed " << c.allowed;
  }
}

}  // namespace
}  // namespace pipit
