// The input box's list rows: each group put in order by match, use and the
// row chosen before, then the text in the box on Enter traced back to its
// row.
#include <gtest/gtest.h>

#include <algorithm>

#include "finding/ListRows.h"

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

TEST(ListRowsTest, WordsThenTheBestProgramsEachNameReadingApart) {
  const std::vector<Text> words{u"メモ帳", u"メール"};
  const std::vector<Text> programs{u"メモ帳", u"メモ帳", u"メモ帳 〈プログラム〉", u"B"};
  constexpr ListKind kW = ListKind::CommandWord, kP = ListKind::Program;
  const struct {
    std::vector<RowMatch> words, programs;
    std::vector<ListRow> expected;
    std::size_t limit = SIZE_MAX;
  } cases[] = {
      {{{1, kStart}, {0, kStart}}, {}, {{kW, 1, u"メール"}, {kW, 0, u"メモ帳"}}},
      // A word and programs of one name all get rows, the programs numbered
      // in list order; a name ending like a mark still reads apart.
      {{{0, kStart}},
       {{1, kStart}, {0, kStart}, {2, kStart}},
       {{kW, 0, u"メモ帳"},
        {kP, 1, u"メモ帳"},
        {kP, 0, u"メモ帳", 1},
        {kP, 2, u"メモ帳 〈プログラム〉"}}},
      // Only the first programs get rows.
      {{{0, kStart}},
       {{3, kStart}, {0, kWord}, {1, kWord}},
       {{kW, 0, u"メモ帳"}, {kP, 3, u"B"}, {kP, 0, u"メモ帳"}},
       2},
  };
  for (const auto& c : cases) {
    const std::vector<ListRow> rows = listRows(words, c.words, programs, c.programs, c.limit);
    EXPECT_EQ(rows, c.expected);
    for (const ListRow& row : rows)
      EXPECT_EQ(row.name.data(), (row.kind == kW ? words : programs)[row.index].data());
  }
  EXPECT_EQ((ListRow{kP, 0, u"メモ帳", 1}).text(), u"メモ帳 〈プログラム 2〉");
  EXPECT_EQ((ListRow{kP, 0, u"メモ帳 〈プログラム〉"}).text(),
            u"メモ帳 〈プログラム〉 〈プログラム〉");
  EXPECT_EQ((ListRow{kW, 0, u"メモ帳"}).text(), u"メモ帳");
}

TEST(ListRowsTest, EntersTextIsTracedToItsRow) {
  const std::vector<Text> words{u"メモ帳", u"X 〈プログラム〉"}, programs{u"X", u"X"};
  const auto rows =
      listRows(words, {{0, kStart}, {1, kStart}}, programs, {{0, kStart}, {1, kStart}});
  const struct {
    std::optional<std::size_t> selected;
    const char16_t* box;
    int row;  // -1: typed text
  } cases[] = {
      {std::nullopt, u"メモ帳", 0},    {std::nullopt, u"X 〈プログラム 2〉", 3},
      {2, u"X 〈プログラム〉", 2},     {std::nullopt, u"X 〈プログラム〉", 1},
      {3, u"X 〈プログラム 2〉x", -1}, {9, u"メモ帳", 0},
  };
  for (const auto& c : cases) {
    const ListRow* row = rowShown(rows, c.selected, c.box);
    EXPECT_EQ(row == nullptr ? -1 : row - rows.data(), c.row) << toUtf8(c.box);
  }
}

}  // namespace
}  // namespace pipit
