// The input box's list rows: command words as found, then programs by score,
// and the text in the box on Enter traced back to its row.
#include <gtest/gtest.h>

#include "finding/ListRows.h"

namespace pipit {
namespace {

TEST(ListRowsTest, WordsComeAsFoundThenProgramsByScore) {
  const std::vector<Text> words{u"メモ帳", u"メール", u"電卓"};
  constexpr ListKind kW = ListKind::CommandWord, kP = ListKind::Program;
  const struct {
    std::vector<std::size_t> words;
    std::vector<ProgramMatch> programs;
    std::vector<ListRow> expected;
    std::size_t limit = SIZE_MAX;
  } cases[] = {
      {{2, 0}, {}, {{kW, 2, u"電卓"}, {kW, 0, u"メモ帳"}}},
      // Equal scores keep the finder's order.
      {{},
       {{0, u"A", 1}, {1, u"B", 3}, {2, u"C", 1}},
       {{kP, 1, u"B 〈プログラム〉"}, {kP, 0, u"A 〈プログラム〉"}, {kP, 2, u"C 〈プログラム〉"}}},
      // A word and programs of one name all get rows, the programs numbered
      // in list order; a name ending like a mark still reads apart.
      {{0},
       {{0, u"メモ帳", 1}, {1, u"メモ帳", 2}, {2, u"メモ帳 〈プログラム〉", 0}},
       {{kW, 0, u"メモ帳"},
        {kP, 1, u"メモ帳 〈プログラム〉"},
        {kP, 0, u"メモ帳 〈プログラム 2〉"},
        {kP, 2, u"メモ帳 〈プログラム〉 〈プログラム〉"}}},
      // Only the best programs get rows.
      {{0},
       {{0, u"A", 1}, {1, u"B", 3}, {2, u"C", 2}},
       {{kW, 0, u"メモ帳"}, {kP, 1, u"B 〈プログラム〉"}, {kP, 2, u"C 〈プログラム〉"}},
       2},
  };
  for (const auto& c : cases) EXPECT_EQ(listRows(words, c.words, c.programs, c.limit), c.expected);
}

TEST(ListRowsTest, EntersTextIsTracedToItsRow) {
  const auto rows =
      listRows({u"メモ帳", u"X 〈プログラム〉"}, {0, 1}, {{7, u"X", 0}, {8, u"X", 0}});
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
