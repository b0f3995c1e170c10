// The input box's list rows: each group put in order by match, use and the
// row chosen before, then the text in the box on Enter traced back to its
// row.
#include <gtest/gtest.h>

#include <algorithm>

#include "finding/ListRows.h"
#include "finding/RowActions.h"

namespace pipit {
namespace {

constexpr MatchQuality kStart = MatchQuality::nameStart, kWord = MatchQuality::wordStart,
                       kTypo = MatchQuality::typo;

TEST(ListRowsTest, BetterMatchesComeFirstThenUseThenTheRowChosenBeforeLeads) {
  const std::vector<RowMatch> found{{0, kStart, 0}, {1, kStart, 3}, {2, kWord, 5},
                                    {3, kWord, 0},  {4, kWord, 5},  {5, kTypo, 9}};
  const struct {
    std::optional<std::size_t> chosen;
    std::vector<std::size_t> expected;
  } cases[] = {
      // Use orders a quality, equal use keeps table order, and no use lifts
      // a typo above a word's start.
      {std::nullopt, {1, 0, 2, 4, 3, 5}},
      // The row chosen before for this text leads, even a typo.
      {5, {5, 1, 0, 2, 4, 3}},
      {3, {3, 1, 0, 2, 4, 5}},
      // One no longer found changes nothing.
      {9, {1, 0, 2, 4, 3, 5}},
  };
  for (const auto& c : cases) {
    std::vector<RowMatch> matches = found;
    orderMatches(matches, c.chosen);
    std::vector<std::size_t> order(matches.size());
    std::transform(matches.begin(), matches.end(), order.begin(),
                   [](const RowMatch& m) { return m.index; });
    EXPECT_EQ(order, c.expected);
  }
}

TEST(ListRowsTest, WordsThenTheBestProgramsTwoOfOneNameMarked) {
  const std::vector<Text> words{u"メモ帳", u"メール"};
  const std::vector<Text> programs{u"メモ帳", u"メモ帳", u"メモ", u"B"};
  constexpr ListKind kW = ListKind::CommandWord, kP = ListKind::Program;
  const struct {
    std::vector<RowMatch> words, programs;
    std::vector<ListRow> expected;
    std::size_t limit = SIZE_MAX;
  } cases[] = {
      {{{1, kStart}, {0, kStart}}, {}, {{kW, 1, u"メール"}, {kW, 0, u"メモ帳"}}},
      // A word and programs of one name all get rows; the programs of one
      // name in the list are marked, whatever stands between them.
      {{{0, kStart}},
       {{1, kStart}, {2, kStart}, {0, kStart}},
       {{kW, 0, u"メモ帳"}, {kP, 1, u"メモ帳", true}, {kP, 2, u"メモ"}, {kP, 0, u"メモ帳", true}}},
      // Only the first programs get rows, and only those count.
      {{{0, kStart}},
       {{3, kStart}, {0, kWord}, {1, kWord}},
       {{kW, 0, u"メモ帳"}, {kP, 3, u"B"}, {kP, 0, u"メモ帳"}},
       2},
  };
  for (const auto& c : cases) {
    const std::vector<ListRow> rows = listRows(words, c.words, programs, c.programs, c.limit);
    EXPECT_EQ(rows, c.expected);
    for (const ListRow& row : rows) {
      EXPECT_EQ(row.name.data(), (row.kind == kW ? words : programs)[row.index].data());
    }
  }
}

// Enter goes to the row chosen while the box holds its name, to a command
// word typed letter for letter, and else to no row: typed text that reads
// like a program's name is typed text.
TEST(ListRowsTest, EntersTextIsTracedToTheRowChosen) {
  const std::vector<Text> words{u"メモ帳", u"X"}, programs{u"X", u"X"};
  const auto rows =
      listRows(words, {{0, kStart}, {1, kStart}}, programs, {{0, kStart}, {1, kStart}});
  const struct {
    std::optional<std::size_t> selected;
    const char16_t* box;
    int row;  // -1: typed text
  } cases[] = {
      {std::nullopt, u"メモ帳", 0},
      {std::nullopt, u"X", 1},
      {3, u"X", 3},
      {2, u"X", 2},
      {3, u"Xx", -1},
      {9, u"メモ帳", 0},
      {0, u"X", 1},
      {std::nullopt, u"Y", -1},
  };
  for (const auto& c : cases) {
    const ListRow* row = rowShown(rows, c.selected, c.box);
    EXPECT_EQ(row == nullptr ? -1 : row - rows.data(), c.row) << toUtf8(c.box);
  }
  const std::vector<Text> none;
  const auto programsOnly = listRows(none, {}, programs, {{0, kStart}});
  EXPECT_EQ(rowShown(programsOnly, std::nullopt, u"X"), nullptr);
}

// What a row offers besides starting it, and the path the actions take.
TEST(ListRowsTest, EachRowOffersOnlyTheActionsThatFitIt) {
  using enum RowAction;
  constexpr ListKind kW = ListKind::CommandWord, kP = ListKind::Program;
  const struct {
    ChosenRow row;
    std::vector<RowAction> offered;
    Text path;
  } cases[] = {
      {{kP, u"メモ帳", u"C:\\s\\メモ帳.lnk", u"C:\\W\\notepad.exe"},
       {openFolder, runAsAdmin, copyPath, makeCommand},
       u"C:\\W\\notepad.exe"},
      {{kP, u"x", u"C:\\s\\x.lnk"},
       {openFolder, runAsAdmin, copyPath, makeCommand},
       u"C:\\s\\x.lnk"},
      {{kP, u"手引き", u"C:\\s\\手引き.lnk", u"C:\\D\\guide.PDF"},
       {openFolder, copyPath, makeCommand},
       u"C:\\D\\guide.PDF"},
      {{kP, u"site", u"C:\\s\\site.url"}, {openFolder, copyPath, makeCommand}, u"C:\\s\\site.url"},
      {{kP, u"電卓", u"shell:AppsFolder\\Calc_8w!App"},
       {runAsAdmin, copyPath, makeCommand},
       u"shell:AppsFolder\\Calc_8w!App"},
      {{kW, u"vim", u"\"C:\\a b\\vim.exe\""},
       {openFolder, runAsAdmin, copyPath},
       u"C:\\a b\\vim.exe"},
      {{kW, u"docs", u"C:\\Users\\me\\Documents"},
       {openFolder, copyPath},
       u"C:\\Users\\me\\Documents"},
      {{kW, u"news", u"https://example.com/"}, {copyPath}, u"https://example.com/"},
      {{kW, u"終了", u"$exit"}, {}, u"$exit"},
      {{kW, u"空", u""}, {}, u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(rowActions(c.row), c.offered) << toUtf8(c.row.name);
    EXPECT_EQ(actionPath(c.row), c.path) << toUtf8(c.row.name);
  }
}

}  // namespace
}  // namespace pipit
