// The addresses the three web programs build from what the user gave them.
#include <gtest/gtest.h>

#include "extensions/dictweb/DictionarySearch.h"
#include "extensions/routeweb/RouteSearch.h"
#include "extensions/transweb/LanguagePairs.h"

namespace pipit::ext {
namespace {

TEST(RouteSearchTest, SplitsTheCommandLineIntoStations) {
  struct Case {
    Text commandLine;
    Stations expected;
  };
  const Case cases[] = {
      {u"東京 大阪", {u"東京", u"大阪", u""}},
      {u"  東京 大阪 名古屋  ", {u"東京", u"大阪", u"名古屋"}},
      {u"東京\u3000大阪", {u"東京", u"大阪", u""}},
      // Two spaces leave an empty arrival; the second name is the via.
      {u"東京  大阪", {u"東京", u"", u"大阪"}},
      // Only ordinary spaces are trimmed, before the full-width ones turn
      // into separators.
      {u"\u3000東京 大阪", {u"", u"東京", u"大阪"}},
      {u"a b c d", {u"a", u"b", u"c"}},
      {u"東京", {u"東京", u"", u""}},
      {u"\u3000", {u"", u"", u""}},
      {u"\t東京", {u"\t東京", u"", u""}},
  };
  for (const Case& c : cases) {
    const auto stations = splitStations(c.commandLine);
    ASSERT_TRUE(stations) << toUtf8(c.commandLine);
    EXPECT_EQ(*stations, c.expected) << toUtf8(c.commandLine);
  }
  EXPECT_FALSE(splitStations(u""));
  EXPECT_FALSE(splitStations(Text(32000, u' ')));
}

TEST(RouteSearchTest, AddressKeepsEveryQueryKeyAndEncodesTheStations) {
  EXPECT_EQ(routeSearchAddress({u"東京", u"", u"a b"}),
            Text(kRouteTopPage) + u"search/result?from=%E6%9D%B1%E4%BA%AC&to=&via=a+b&ei=utf-8");
  EXPECT_EQ(routeSearchAddress({}), Text(kRouteTopPage) + u"search/result?from=&to=&via=&ei=utf-8");
}

TEST(DictionarySearchTest, TheWholeCommandLineIsOnePhrase) {
  const Text search = Text(kDictionaryTopPage) + u"search?p=";
  EXPECT_EQ(dictionarySearchAddress(u" 天気 予報 "),
            search + u"%E5%A4%A9%E6%B0%97+%E4%BA%88%E5%A0%B1");
  // A full-width space is part of the phrase, not a separator.
  EXPECT_EQ(dictionarySearchAddress(u"a\u3000b"), search + u"a%E3%80%80b");
  EXPECT_EQ(dictionarySearchAddress(u"\"a&b\""), search + u"%22a%26b%22");
  EXPECT_FALSE(dictionarySearchAddress(u""));
  EXPECT_FALSE(dictionarySearchAddress(u"    "));
}

TEST(DictionarySearchTest, AnUnpairedSurrogateIsEncodedNotDropped) {
  const Text lone(1, char16_t(0xD83D));
  EXPECT_EQ(dictionarySearchAddress(lone), Text(kDictionaryTopPage) + u"search?p=%ED%A0%BD");
}

TEST(LanguagePairsTest, EachListIndexHasItsPageAndCode) {
  const char16_t* expected[][3] = {
      {u"英→日", u"english/", u"ENJA"},
      {u"日→英", u"english/", u"JAEN"},
      {u"中→日", u"chinese/", u"CHJA"},
      {u"日→中", u"chinese/", u"JACH"},
      {u"日→韓", u"korean/", u"JAKO"},
      {u"仏→日", u"french/", u"FRJA"},
      {u"日→仏", u"french/", u"JAFR"},
      {u"独→日", u"german/", u"DEJA"},
      {u"日→独", u"german/", u"JADE"},
      {u"伊→日", u"italian/", u"ITJA"},
      {u"日→伊", u"italian/", u"JAIT"},
      {u"スペイン→日", u"spanish/", u"ESJA"},
      {u"日→スペイン", u"spanish/", u"JAES"},
      {u"ポルトガル→日", u"portuguese/", u"PTJA"},
      {u"日→ポルトガル", u"portuguese/", u"JAPT"},
  };
  ASSERT_EQ(languageEntries().size(), std::size(expected));
  for (int i = 0; i < static_cast<int>(std::size(expected)); ++i) {
    EXPECT_EQ(languageEntries()[i], expected[i][0]) << i;
    EXPECT_EQ(getLanguageInfo(i).path, expected[i][1]) << i;
    EXPECT_EQ(getLanguageInfo(i).code, expected[i][2]) << i;
  }
  for (const int outside : {-1, 15, 1000}) {
    EXPECT_EQ(getLanguageInfo(outside).path, u"english/") << outside;
    EXPECT_EQ(getLanguageInfo(outside).code, u"ENJA") << outside;
  }
}

TEST(LanguagePairsTest, AddressCarriesTheTrimmedTextAndThePair) {
  const Text address = translationAddress(u"  Good\r\nday  ", 1);
  EXPECT_EQ(address.substr(address.find(u"world/")),
            u"world/english/?before=Good%0D%0Aday&wb_lp=JAEN");
  const Text empty = translationAddress(u"", 4);
  EXPECT_EQ(empty.substr(empty.find(u"world/")), u"world/korean/?before=&wb_lp=JAKO");
}

}  // namespace
}  // namespace pipit::ext
