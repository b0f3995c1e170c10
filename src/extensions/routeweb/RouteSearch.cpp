#include "extensions/routeweb/RouteSearch.h"

#include <algorithm>

#include "base/UrlEncode.h"

namespace pipit::ext {

const TextView kRouteTopPage = u"https://transit.yahoo.co.jp/";
const TextView kRouteQuestion =
    u"駅が指定されていません。Yahoo!路線情報のトップページを開きますか？";

std::optional<Stations> splitStations(TextView commandLine) {
  Text text = trimBlanks(commandLine);
  if (text.empty()) return std::nullopt;
  for (char16_t& c : text) {
    if (c == u'\u3000') c = u' ';
  }
  // Each space separates, so two in a row leave an empty station between
  // them; words after the third are not needed.
  std::size_t start = 0;
  auto nextWord = [&]() -> Text {
    if (start > text.size()) return {};
    const auto space = std::min(text.find(u' ', start), text.size());
    const TextView word = TextView(text).substr(start, space - start);
    start = space + 1;
    return trimBlanks(word);
  };
  Stations stations;
  stations.departure = nextWord();
  stations.arrival = nextWord();
  stations.via = nextWord();
  return stations;
}

Text routeSearchAddress(const Stations& stations) {
  return Text(kRouteTopPage) + u"search/result?from=" + urlEncode(stations.departure) + u"&to=" +
         urlEncode(stations.arrival) + u"&via=" + urlEncode(stations.via) + u"&ei=utf-8";
}

}  // namespace pipit::ext
