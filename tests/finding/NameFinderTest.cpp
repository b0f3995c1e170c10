// Finding command words as the user types: what folds away, romaji, the
// order of the list, and typed text that is not text at all.
#include <gtest/gtest.h>

#include "finding/NameFinder.h"

namespace pipit {
namespace {

std::vector<Text> found(TextView typed, std::vector<Text> table) {
  NameFinder finder;
  finder.setWords(std::move(table));
  std::vector<Text> words;
  for (const Found& f : finder.find(typed)) words.push_back(finder.names()[f.index]);
  return words;
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

}  // namespace
}  // namespace pipit
