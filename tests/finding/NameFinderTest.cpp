// Finding command words as the user types: what folds away, romaji, the
// order of the list, and typed text that is not text at all.
#include <gtest/gtest.h>

#include "finding/NameFinder.h"

namespace pipit {
namespace {

// The names found, in the finder's order.
std::vector<Text> foundOn(NameFinder& finder, TextView typed) {
  std::vector<Text> names;
  for (const Found& f : finder.find(typed)) names.push_back(finder.names()[f.index]);
  return names;
}

std::vector<Text> found(TextView typed, std::vector<Text> table) {
  NameFinder finder;
  finder.setWords(std::move(table));
  return foundOn(finder, typed);
}

struct Case {
  const char16_t* typed;
  std::vector<Text> table;
  std::vector<Text> expected;
};

TEST(NameFinderTest, TheListHoldsWhatMatchesStartsFirstInTableOrder) {
  const std::vector<Text> office{u"ゴミメモ", u"メール", u"メモ帳", u"Memo", u"メモ帳", u"電卓"};
  const Case cases[] = {
      {u"", office, office},
      // As typed: case, full width, half-width kana, hiragana.
      {u"mEMO", {u"ｍｅｍｏ帳", u"my memo", u"Mem"}, {u"ｍｅｍｏ帳", u"my memo", u"Mem"}},
      {u"ＭＥＭＯ", {u"memo"}, {u"memo"}},
      {u"ﾒﾓ", office, {u"メモ帳", u"メモ帳", u"ゴミメモ"}},
      {u"ｶﾞｲﾄﾞ", {u"ガイド", u"カイト"}, {u"ガイド"}},
      {u"ぱそこん", {u"ﾊﾟｿｺﾝ", u"バソコン"}, {u"ﾊﾟｿｺﾝ", u"バソコン"}},  // one slip
      {u"めも", office, {u"メモ帳", u"メモ帳", u"ゴミメモ"}},
      // Marks and small kana still count.
      {u"はす", {u"バス", u"ハス"}, {u"ハス"}},
      {u"きつて", {u"キッテ", u"キツテ"}, {u"キツテ"}},
      {u"めーる", {u"メール", u"メル"}, {u"メール"}},
      // Romaji meets the kana; kanji only as typed.
      {u"memo", office, {u"Memo", u"メモ帳", u"メモ帳", u"ゴミメモ"}},
      {u"me-ru", office, {u"メール"}},
      {u"mem", office, {u"メモ帳", u"Memo", u"メモ帳", u"ゴミメモ"}},
      {u"denntaku", {u"電卓", u"デンタク"}, {u"デンタク"}},
      {u"shinbun", {u"しんぶん"}, {u"しんぶん"}},
      {u"shimbun", {u"しんぶん"}, {u"しんぶん"}},
      {u"sinbun", {u"しんぶん"}, {u"しんぶん"}},
      {u"kon'ya", {u"こんや", u"こにゃ"}, {u"こんや"}},
      {u"konnichiha", {u"こんにちは"}, {u"こんにちは"}},
      {u"kitte", {u"キッテ", u"キテ"}, {u"キッテ"}},
      {u"matcha", {u"まっちゃ"}, {u"まっちゃ"}},
      {u"tyotto", {u"チョット"}, {u"チョット"}},
      {u"kit", {u"キッテ", u"キタ", u"キク"}, {u"キッテ", u"キタ"}},
      {u"ky", {u"キョウ", u"キウ"}, {u"キョウ"}},
      {u"kan", {u"カンジ", u"カナ", u"カラ"}, {u"カンジ", u"カナ"}},
      // Separators never reach the finder; duplicates stay.
      {u"x", {u"x", u"x"}, {u"x", u"x"}},
      {u"xyz", {u"ダミー"}, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(found(c.typed, c.table), c.expected) << toUtf8(c.typed);
  }
}

TEST(NameFinderTest, RomajiIsReadAsAnInputMethodReadsIt) {
  const Case cases[] = {
      // Spellings beyond Hepburn and kunrei, a few rows at a time.
      {u"fafyufyefyifwu", {u"ファフュフェフィフゥ", u"ファフユ"}, {u"ファフュフェフィフゥ"}},
      {u"vyuvyevyivu", {u"ヴュヴェヴィヴ"}, {u"ヴュヴェヴィヴ"}},
      {u"tsatsitsetso", {u"ツァツィツェツォ"}, {u"ツァツィツェツォ"}},
      {u"kwagwaswaqaqiquqeqoqyu",
       {u"クァグァスァクァクィククェクォクュ"},
       {u"クァグァスァクァクィククェクォクュ"}},
      {u"twudwuthudhu", {u"トゥドゥテュデュ"}, {u"トゥドゥテュデュ"}},
      {u"whawhiwhuwhewhowyiwye", {u"ウァウィウウェウォヰヱ"}, {u"ウァウィウウェウォヰヱ"}},
      {u"xalixyilyexwaxkaxnyi", {u"ァィィェヮヵンイ"}, {u"ァィィェヮヵンイ"}},
      {u"kyijyicyishe", {u"キィジィチィシェ"}, {u"キィジィチィシェ"}},
      // "tc" is on its way to "tch".
      {u"matc", {u"マッチャ", u"マツ", u"マッカ"}, {u"マッチャ"}},
      // A last consonant starts a kana, or ッ and a kana, never ッ alone.
      {u"t", {u"ガッコウ", u"タイ", u"キッテ"}, {u"タイ", u"キッテ"}},
      {u"kit", {u"キッカ", u"キッテ", u"キツネ"}, {u"キッテ", u"キツネ"}},
      {u"kitt", {u"キッカ", u"キッテ", u"キツネ"}, {u"キッテ"}},
      {u"sam", {u"サンタ", u"サンマ", u"サッサ", u"サマ"}, {u"サンマ", u"サマ"}},
      // Each "nn" before a vowel reads both ways, however many there are.
      {u"nnannannanna",
       {u"ンナ", u"ンアンナンアンナ", u"ンナンナンナンナ"},
       {u"ンアンナンアンナ", u"ンナンナンナンナ"}},
      {u"sammamma", {u"サンマッマ"}, {u"サンマッマ"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(found(c.typed, c.table), c.expected) << toUtf8(c.typed);
  }
}

TEST(NameFinderTest, TextThatIsNoWordFindsNothingAndBreaksNothing) {
  const Text high(1, char16_t(0xD83D)), low(1, char16_t(0xDE00));
  const std::vector<Text> odd{u"   ", u"!?#", high + low + u" smile", u"", u"a\tb"};
  EXPECT_EQ(found(u" ", odd), (std::vector<Text>{u"   ", high + low + u" smile"}));
  EXPECT_EQ(found(u"!?#", odd), (std::vector<Text>{u"!?#"}));
  EXPECT_EQ(found(u"\t", odd), (std::vector<Text>{u"a\tb"}));
  // Half a pair matches no pair, however it was cut.
  EXPECT_TRUE(found(low, odd).empty());
  EXPECT_TRUE(found(high, odd).empty());
  EXPECT_TRUE(found(Text(10000, u'n'), odd).empty());
  EXPECT_TRUE(found(Text(5000, u'a') + Text(5000, char16_t(0xD800)), odd).empty());
  Text nna, kana;
  for (int i = 0; i < 3000; ++i) {
    nna += u"nna";
    kana += i % 2 ? u"ンナ" : u"ンア";
  }
  EXPECT_TRUE(found(nna, {u"ンナ", kana}) == std::vector<Text>{kana});
}

// Programs as a Japanese desktop lists them, with the file names behind
// them and the readings of their kanji.
const std::vector<FindableName> kDesktop{
    {u"Visual Studio Code", {u"Code"}, {}},
    {u"Google Chrome", {u"chrome"}, {}},
    {u"Windows PowerShell", {u"powershell"}, {}},
    {u"7-Zip File Manager", {u"7zFM"}, {}},
    {u"メモ帳", {u"Notepad", u"notepad"}, {{u"メモ"}, {u"チョウ"}}},
    {u"Word", {u"WINWORD"}, {}},
    {u"電卓", {u"calc"}, {{u"デンタク"}}},
    {u"コマンド プロンプト", {u"cmd"}, {}},
    {u"Mozilla Firefox", {u"firefox"}, {}},
    {u"リモート デスクトップ接続", {u"mstsc"}, {{u"リモート デスクトップ"}, {u"セツゾク"}}},
    {u"生録音", {}, {{u"セイ", u"ナマ"}, {u"ロクオン"}}},
};

TEST(NameFinderTest, InitialsFileNamesSlipsAndReadingsFindWhatWasMeant) {
  NameFinder finder;
  finder.setNames(kDesktop);
  const struct {
    const char16_t* typed;
    std::vector<Text> expected;
  } cases[] = {
      // Initials, maybe with the rest of the last word; kana words by romaji.
      {u"vsc", {u"Visual Studio Code"}},
      {u"vscode", {u"Visual Studio Code"}},
      {u"gc", {u"Google Chrome"}},
      {u"ps", {u"Windows PowerShell"}},
      {u"7zfm", {u"7-Zip File Manager"}},
      {u"kp", {u"コマンド プロンプト"}},
      {u"vc", {}},  // a word may not be skipped
      // The file names behind a name.
      {u"notepad", {u"メモ帳"}},
      {u"winword", {u"Word"}},
      {u"mstsc", {u"リモート デスクトップ接続"}},
      // From four letters on, a slip: added, dropped, replaced or swapped.
      {u"firfox", {u"Mozilla Firefox"}},
      {u"chorme", {u"Google Chrome"}},
      {u"fiirefox", {u"Mozilla Firefox"}},
      {u"powrshell", {u"Windows PowerShell"}},
      {u"viusal stduio", {u"Visual Studio Code"}},  // 13 letters: three slips
      {u"chr", {u"Google Chrome"}},
      {u"crh", {}},   // under four letters, no slip
      {u"frfx", {}},  // two slips are too many for four letters
      // Kanji by their readings, in romaji or kana, from any word on.
      {u"dentaku", {u"電卓"}},
      {u"でんたく", {u"電卓"}},
      {u"setsuzoku", {u"リモート デスクトップ接続"}},
      {u"namaroku", {u"生録音"}},  // a kanji of several readings
      {u"seirokuon", {u"生録音"}},
      {u"memochou", {u"メモ帳"}},
      {u"tyou", {u"メモ帳"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(foundOn(finder, c.typed), c.expected) << toUtf8(c.typed);
  }
}

TEST(NameFinderTest, RowsGoByHowWellTheyMatch) {
  NameFinder finder;
  finder.setNames({
      {u"Quickmemo", {}, {}},
      {u"Meno", {}, {}},
      {u"目盛", {}, {{u"メモリ"}}},
      {u"Notes", {u"memopad"}, {}},
      {u"Mail Editor Mini Organizer", {}, {}},
      {u"My Memo", {}, {}},
      {u"Memo Pad", {}, {}},
      {u"Memo", {}, {}},
  });
  std::vector<std::pair<Text, MatchQuality>> found;
  for (const Found& f : finder.find(u"memo"))
    found.emplace_back(finder.names()[f.index], f.quality);
  using enum MatchQuality;
  EXPECT_EQ(found, (std::vector<std::pair<Text, MatchQuality>>{
                       {u"Memo", wholeName},
                       {u"Memo Pad", nameStart},
                       {u"My Memo", wordStart},
                       {u"Mail Editor Mini Organizer", initials},
                       {u"Notes", fileName},
                       {u"目盛", reading},
                       {u"Quickmemo", insideWord},
                       {u"Meno", typo},
                   }));
}

TEST(NameFinderTest, TypingOnFindsWhatASearchFromScratchFinds) {
  NameFinder typing;
  typing.setNames(kDesktop);
  for (const TextView text :
       {u"visual studio code", u"firefoxx", u"denntaku", u"koman", u"7-zip"}) {
    for (std::size_t n = 1; n <= text.size(); ++n) {
      NameFinder fresh;
      fresh.setNames(kDesktop);
      EXPECT_EQ(typing.find(text.substr(0, n)), fresh.find(text.substr(0, n)))
          << toUtf8(text.substr(0, n));
    }
  }
}

}  // namespace
}  // namespace pipit
