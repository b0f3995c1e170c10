// Kanji readings: names read through the table the build makes from the
// dictionary, damaged tables refused or read as no entry, and the log line
// of a table that does not open.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "fakes/FakePorts.h"
#include "finding/ReadingTable.h"
#include "finding/TextFolding.h"

namespace pipit {
namespace {

const Text kTablePath = u"C:\\Tools\\Pipit\\readings.dat";

// Whether one choice a stretch spells `expected`.
bool spells(const Reading& reading, const Text& expected) {
  std::set<std::size_t> ends{0};
  for (const auto& stretch : reading) {
    std::set<std::size_t> next;
    for (const std::size_t end : ends) {
      for (const Text& choice : stretch) {
        if (expected.compare(end, choice.size(), choice) == 0) next.insert(end + choice.size());
      }
    }
    ends = std::move(next);
  }
  return ends.contains(expected.size());
}

std::shared_ptr<const ReadingTable> tableOf(std::string bytes) {
  fakes::FakeFiles files;
  files.content[kTablePath] = std::move(bytes);
  auto table = openReadingTable(files);
  return table ? table.value() : nullptr;
}

TEST(ReadingTableTest, NamesAreReadThroughTheDictionary) {
  std::ifstream file(PIPIT_READING_TABLE, std::ios::binary);
  const auto table = tableOf({std::istreambuf_iterator<char>(file), {}});
  ASSERT_NE(table, nullptr) << PIPIT_READING_TABLE;
  EXPECT_GT(table->words(), 100000u);
  const struct {
    Text name, spelled;
    std::vector<Text> last = {};  // the last stretch, when it matters
  } cases[] = {
      {u"電卓", u"デンタク", {u"デンタク"}},
      {u"生", u"セイ"},  // a kanji of many readings has all of them
      {u"生", u"ナマ"},
      {u"リモート デスクトップ接続", u"リモート デスクトップセツゾク", {u"セツゾク"}},
      {u"秀丸エディタ", u"ヒデマルエディタ", {u"エディタ"}},  // kanji by kanji
      {u"ファイルの書き込み", u"ファイルノカキコミ", {u"カキコミ"}},
      {u"Ｗｉｎｄｏｗｓ 日本語入力", u"windows ニホンゴニュウリョク"},
      {u"𠀋と鑫", u"𠀋ト鑫", {u"𠀋ト鑫"}},  // kanji of no word stay as they are
      {u"コントロール パネル", u""},        // no kanji: no reading
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(toUtf8(c.name));
    const Reading reading = table->readingOf(foldForFinding(c.name));
    EXPECT_EQ(reading.empty(), c.spelled.empty());
    EXPECT_TRUE(c.spelled.empty() || spells(reading, c.spelled));
    if (!c.last.empty()) {
      EXPECT_EQ(reading.back(), c.last);
    }
  }
}

TEST(ReadingTableTest, DamagedTablesAreRefusedOrReadAsNoEntry) {
  // The fuzzing's seed, by the generator's layout: 鑫 ヒ and ナ; 電 デン;
  // 電卓 デンタク.
  std::ifstream seed(PIPIT_READING_SEED, std::ios::binary);
  const std::string valid{std::istreambuf_iterator<char>(seed), {}};
  ASSERT_NE(tableOf(valid), nullptr);
  EXPECT_EQ(tableOf(valid)->readingOf(u"鑫電卓"), (Reading{{u"ヒ", u"ナ"}, {u"デンタク"}}));
  for (std::size_t cut = 0; cut < valid.size(); ++cut) {
    EXPECT_EQ(tableOf(valid.substr(0, cut)), nullptr) << "cut at " << cut;
  }
  const auto changed = [&](std::size_t at, std::string_view bytes) {
    return valid.substr(0, at) + std::string(bytes) + valid.substr(at + bytes.size());
  };
  EXPECT_EQ(tableOf(valid + "x"), nullptr);
  EXPECT_EQ(tableOf(changed(0, "PIPITRDX")), nullptr);
  EXPECT_EQ(tableOf(changed(8, "\x02")), nullptr);   // version
  EXPECT_EQ(tableOf(changed(12, "\x04")), nullptr);  // a word more than it holds
  // Offsets outside the units or the bytes, or running backwards: the word
  // they belong to is no word.
  const std::size_t starts = 24, firsts = starts + 16;
  const struct {
    std::size_t at;
    std::string_view bytes;
  } outside[] = {{starts + 8, "\xFF\xFF\xFF\x7F"},
                 {starts + 8, std::string_view("\0", 1)},
                 {firsts + 8, "\x40"},
                 {firsts + 8, "\x01"},
                 {starts + 12, "\xFF\xFF\xFF\xFF"},
                 {firsts + 12, "\xFF"}};
  for (const auto& o : outside) {
    SCOPED_TRACE(o.at);
    const auto table = tableOf(changed(o.at, o.bytes));
    ASSERT_NE(table, nullptr);
    const Reading reading = table->readingOf(u"電卓鑫");
    EXPECT_FALSE(spells(reading, u"デンタクヒ") && spells(reading, u"デンタクナ"));
  }
}

TEST(ReadingTableTest, ATableThatDoesNotOpenGivesTheLogLine) {
  fakes::FakeFiles files;
  EXPECT_EQ(openReadingTable(files).failure().description,
            u"読みの辞書 readings.dat "
            u"を開けないため、漢字の読みでは探しません:53:ファイルが見つかりません。");
  files.content[kTablePath] = "PIPITRDT";
  EXPECT_EQ(openReadingTable(files).failure().description,
            u"読みの辞書 readings.dat が壊れているため、漢字の読みでは探しません。");
}

}  // namespace
}  // namespace pipit
