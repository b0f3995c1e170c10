// What Enter, Escape, a committed composition and a change mean now.
#include <gtest/gtest.h>

#include "ui/InputKeys.h"

namespace pipit {
namespace {

TEST(InputKeysTest, EachMessageMeansWhatTheBoxsStateMakesOfIt) {
  using E = InputEvent;
  using K = InputKey;
  using A = InputAction;
  struct Case {
    E event;
    K key;
    InputState state;  // inEdit, listDropped, composing, adjusting
    A action;
  };
  const Case cases[] = {
      {E::KeyDown, K::Enter, {true, true, false, false}, A::CloseList},
      {E::KeyDown, K::Escape, {true, true, false, false}, A::CloseList},
      {E::KeyDown, K::Other, {true, true, false, false}, A::PassToControl},
      {E::KeyDown, K::Enter, {true, false, false, false}, A::PassToControl},
      {E::KeyDown, K::Enter, {true, true, true, false}, A::PassToControl},
      {E::KeyDown, K::Enter, {false, true, false, false}, A::PassToControl},
      {E::KeyDown, K::MakeCommand, {true, true, false, false}, A::MakeCommand},
      {E::KeyDown, K::MakeCommand, {true, false, false, false}, A::MakeCommand},
      {E::KeyDown, K::MakeCommand, {true, false, true, false}, A::PassToControl},
      {E::KeyDown, K::OpenFolder, {true, true, false, false}, A::RowAction},
      {E::KeyDown, K::RunAsAdmin, {true, false, false, false}, A::RowAction},
      {E::KeyDown, K::CopyPath, {true, false, true, false}, A::PassToControl},
      {E::KeyDown, K::CopyPath, {false, false, false, false}, A::PassToControl},
      {E::Char, K::Enter, {true, false, false, false}, A::Send},
      {E::Char, K::Enter, {true, false, true, false}, A::PassToControl},
      {E::Char, K::Escape, {true, false, false, false}, A::Hide},
      {E::Char, K::Escape, {true, false, true, false}, A::Hide},
      {E::Char, K::Enter, {false, false, false, false}, A::PassToControl},
      {E::Char, K::Other, {true, true, false, false}, A::PassToControl},
      {E::CompositionResult, K::Other, {true, false, true, false}, A::NarrowList},
      {E::CompositionEnd, K::Other, {true, false, false, false}, A::NarrowList},
      {E::CompositionEnd, K::Other, {false, false, false, false}, A::PassToControl},
      {E::Edited, K::Other, {true, true, false, false}, A::NarrowList},
      {E::Edited, K::Other, {true, false, true, false}, A::PassToControl},
      {E::Edited, K::Other, {true, false, false, true}, A::PassToControl},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    EXPECT_EQ(decideInput(c.event, c.key, c.state), c.action) << "case " << i;
  }
}

}  // namespace
}  // namespace pipit
