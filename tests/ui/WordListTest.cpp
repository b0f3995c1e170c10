// The input box's drop-down list against a fake window.
#include <gtest/gtest.h>

#include "FakeCharacterWindowView.h"
#include "fakes/FakePorts.h"
#include "fakes/FakeRequestPorts.h"
#include "ui/WordList.h"

namespace pipit {
namespace {

TEST(WordListTest, TypingNarrowsTheListAndOpensItWhileAWordMatches) {
  fakes::FakeCore core;
  core.addCommand(u"ゴミメモ", u"a.exe");
  core.addCommand(u"[区切り線]", u"");
  core.addCommand(u"メモ帳", u"b.exe");
  fakes::FakeCharacterWindowView view;
  fakes::FakeFiles files;
  fakes::FakeWallClock clock;
  UsageScores usage(files, clock);
  WordList list(view, usage);
  list.setCommands(core.configuration);
  const std::vector<Text> all{u"ゴミメモ", u"メモ帳"};
  EXPECT_EQ(view.words, all);

  view.input = u"めも";
  list.onEdited();
  EXPECT_EQ(view.words, (std::vector<Text>{u"メモ帳", u"ゴミメモ"}));
  EXPECT_TRUE(view.listOpen);
  EXPECT_EQ(view.input, u"めも") << "nothing is completed in the box";
  view.input = u"めもx";
  list.onEdited();
  EXPECT_TRUE(view.words.empty());
  EXPECT_FALSE(view.listOpen);
  view.input = u"";
  list.onEdited();
  EXPECT_EQ(view.words, all);
  EXPECT_FALSE(view.listOpen) << "an empty box opens nothing";

  view.input = u"memo";
  list.onEdited();
  list.putInput(u"?memo", true);
  EXPECT_EQ(view.words, all) << "the list narrows on typing only, not on her \"?\"";
  EXPECT_FALSE(view.listOpen);
  EXPECT_TRUE(view.inputSelected);
}

}  // namespace
}  // namespace pipit
