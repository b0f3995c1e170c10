// Counting starts into usage.txt: decay, keys, the file's round trip,
// damaged files and a failed write.
#include <gtest/gtest.h>

#include <optional>

#include "fakes/FakePorts.h"
#include "finding/UsageScores.h"

namespace pipit {
namespace {

constexpr int64_t kNewYear = 1767225600;  // 2026-01-01 00:00 UTC
constexpr int64_t kDay = int64_t{24} * 60 * 60;
const Text kPath = u"C:\\Tools\\Pipit\\usage.txt";
const std::string kBom = "\xEF\xBB\xBF";
const std::string kNow = "\t29453760\r\n";  // the minute field of new year
const std::string kMemoLine = "program\tメモ帳\tC:\\\\a\\\\memo.exe\t2000" + kNow;

const UsageKey kMemo{ListKind::Program, u"メモ帳", u"C:\\a\\memo.exe"};
const UsageKey kMemoD{ListKind::Program, u"メモ帳", u"D:\\memo.exe"};
const UsageKey kMemoWord{ListKind::CommandWord, u"メモ帳", u""};
const UsageKey kX{ListKind::Program, u"x", u""};
const UsageKey kOdd{ListKind::Program, u"a\tb\\c\r\nd\xD800 ", u"\\u0041😀\xDC00"};
UsageKey p(int i) { return {ListKind::Program, u"p" + fromUtf8(std::to_string(i)), u""}; }

TEST(UsageScoresTest, StartsCountHalvingEveryThirtyDaysAndReadBack) {
  // LF line ends, and a score from 30 days before.
  const std::string lf = kBom + "program\tx\t\t1000\t29453760\ncommand\tメモ帳\t\t2000\t29410560";
  // Each line damaged but the first of the memo's two.
  const std::string damaged = kBom + "program\tx\t\t1x" + kNow + "program\tx\t\t-5" + kNow +
                              "tool\tx\t\t1000" + kNow + "command\tx\ty\t1000" + kNow +
                              "program\tx\\q\t\t1000" + kNow + "program\tx\xFF\t\t1" + kNow +
                              "program\tx\t\t1000\t29453760\t\r\n" + kMemoLine +
                              "program\tメモ帳\tC:\\\\a\\\\memo.exe\t9" + kNow;
  std::string full = kBom;  // one line more than is kept, the lowest last
  for (int i = 0; i <= 1000; ++i) {
    full += "program\t" + toUtf8(p(i).name) + "\t\t" + std::to_string(5000 - i) + kNow;
  }
  const UsageKey wordX{ListKind::CommandWord, u"x", u"y"};
  struct Case {
    std::optional<std::string> file, after;        // usage.txt before and after
    std::vector<std::pair<int, UsageKey>> starts;  // on day, of
    int day;                                       // asked on
    std::vector<std::pair<UsageKey, double>> expected;
    bool writeFails = false;
  } cases[] = {
      {{}, kBom + kMemoLine, {{0, kMemo}, {0, kMemo}}, 0, {{kMemo, 2}, {kMemoWord, 0}}},
      {{}, {}, {{0, kMemo}, {0, kMemo}, {0, kMemoD}}, 30, {{kMemo, 1}, {kMemoD, 0.5}}},
      {{}, {}, {{0, kOdd}}, 0, {{kOdd, 1}}},  // names that need escapes
      {{}, {}, {{0, kMemo}, {30, kMemo}}, 45, {{kMemo, 1.0607}}},
      {{}, {}, {{10, kMemo}, {5, kMemo}}, 0, {{kMemo, 2}}},  // the clock set back
      {lf, {}, {}, 0, {{kX, 1}, {kMemoWord, 1}}},
      {damaged, {}, {{0, kMemoD}}, 0, {{kMemo, 2}, {kMemoD, 1}, {kX, 0}, {wordX, 0}}},
      {kMemoLine, {}, {{0, kX}}, 0, {{kMemo, 2}, {kX, 1}}},  // no byte order mark
      {full, {}, {{0, kX}}, 0, {{kX, 1}, {p(1000), 0}, {p(999), 0}, {p(998), 4.002}}},
      {kBom + kMemoLine, kBom + kMemoLine, {{0, kMemo}}, 0, {{kMemo, 3}}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << &c - cases);
    fakes::FakeFiles files;
    fakes::FakeWallClock clock{kNewYear};
    UsageScores scores(files, clock);
    if (c.file) files.content[kPath] = *c.file;
    scores.load();
    if (c.writeFails) files.failing[kPath] = Failure::permissionDenied();
    for (const auto& [day, key] : c.starts) {
      clock.seconds = kNewYear + day * kDay;
      EXPECT_EQ(scores.countStart(key).ok(), !c.writeFails);
    }
    files.failing.clear();
    clock.seconds = kNewYear + c.day * kDay;
    UsageScores reread(files, clock);
    reread.load();
    for (const auto& [key, expected] : c.expected) {
      EXPECT_NEAR(scores.score(key), expected, 1e-3);
      if (!c.writeFails) {  // what was written reads back the same
        EXPECT_NEAR(reread.score(key), expected, 1e-3);
      }
    }
    EXPECT_EQ(files.content[kPath], c.after.value_or(files.content[kPath]));
  }
}

// A file that does not read whole is set aside under a free name before the
// first write, never overwritten, and the log is told of it.
TEST(UsageScoresTest, AFileThatDoesNotReadWholeIsSetAsideFirst) {
  const std::string file = kMemoLine + "program\t\x83\x81\t\t1000" + kNow;  // Shift-JIS
  fakes::FakeFiles files;
  std::vector<Text> told;
  fakes::FakeWallClock clock{kNewYear};
  UsageScores scores(files, clock, [&told](TextView, const Text& line) { told.push_back(line); });
  files.content = {{kPath, file}, {u"C:\\Tools\\Pipit\\usage-unreadable-1.txt", "older"}};
  scores.load();
  ASSERT_TRUE(scores.countStart(kX).ok() && scores.countStart(kX).ok());
  EXPECT_EQ(files.content.size(), 3u);
  EXPECT_EQ(files.content[u"C:\\Tools\\Pipit\\usage-unreadable-2.txt"], file);
  EXPECT_EQ(
      told,
      (std::vector<Text>{u"usage.txt を読めなかったため usage-unreadable-2.txt として残しました"}));
  files.failing[kPath] = Failure::permissionDenied();  // unreadable, and cannot be renamed
  scores.load();
  EXPECT_FALSE(scores.countStart(kX).ok());
}

// The row chosen for a typed text: the latest wins, it is kept with the
// counts in usage.txt, and a damaged line of it is left out alone.
TEST(UsageScoresTest, TheRowChosenForATextIsTheLatestAndReadsBack) {
  fakes::FakeFiles files;
  fakes::FakeWallClock clock{kNewYear};
  UsageScores scores(files, clock);
  scores.load();
  ASSERT_TRUE(scores.countStart(kMemo, u"めも").ok());
  ASSERT_TRUE(scores.countStart(kMemoD, u"めも").ok());
  ASSERT_TRUE(scores.countStart(kOdd, u"a\tb").ok());
  ASSERT_TRUE(scores.countStart(kX).ok());              // typed letter for letter: no choice
  files.content[kPath] += "chosen\tx\tprogram\tx\r\n";  // a field short
  UsageScores reread(files, clock);
  reread.load();
  for (const UsageScores* s : {&scores, &reread}) {
    ASSERT_NE(s->chosenFor(u"めも"), nullptr);
    EXPECT_EQ(*s->chosenFor(u"めも"), kMemoD);
    ASSERT_NE(s->chosenFor(u"a\tb"), nullptr);
    EXPECT_EQ(*s->chosenFor(u"a\tb"), kOdd);
    EXPECT_EQ(s->chosenFor(u"x"), nullptr);
    EXPECT_EQ(s->chosenFor(u"メモ"), nullptr);
  }
  EXPECT_NEAR(reread.score(kMemoD), 1, 1e-3);
}

}  // namespace
}  // namespace pipit
