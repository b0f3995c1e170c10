#include "extensions/transweb/LanguagePairs.h"

#include <algorithm>

#include "base/UrlEncode.h"
#include "platform/ShellRoutes.h"

namespace pipit::ext {
namespace {

constexpr TextView kTranslationSite = u"https://www.excite.co.jp/";

struct Pair {
  TextView entry;
  TextView path;
  TextView code;
};

// No Korean to Japanese: the service had none.
constexpr std::array<Pair, 15> kPairs{{
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
}};

constexpr std::array<TextView, 15> entriesOf(const std::array<Pair, 15>& pairs) {
  std::array<TextView, 15> entries{};
  for (std::size_t i = 0; i < pairs.size(); ++i) entries[i] = pairs[i].entry;
  return entries;
}

}  // namespace

const std::array<TextView, 15>& languageEntries() {
  static constexpr std::array<TextView, 15> kEntries = entriesOf(kPairs);
  return kEntries;
}

LanguageInfo getLanguageInfo(int index) {
  const Pair& pair =
      index >= 0 && static_cast<std::size_t>(index) < kPairs.size() ? kPairs[index] : kPairs[0];
  return {Text(pair.path), Text(pair.code)};
}

Text translationAddress(TextView text, int index) {
  const LanguageInfo language = getLanguageInfo(index);
  return Text(kTranslationSite) + u"world/" + language.path + u"?before=" +
         urlEncode(trimBlanks(text)) + u"&wb_lp=" + language.code;
}

std::size_t translatableLength(TextView text, std::size_t most) {
  // The registered browser's own command shares the command line with the
  // address; a kilobyte is more than any such command takes.
  constexpr std::size_t kRoomForTheBrowser = 1024;
  std::size_t longestFrame = 0;
  for (std::size_t i = 0; i < kPairs.size(); ++i) {
    longestFrame = std::max(longestFrame, translationAddress(u"", static_cast<int>(i)).size());
  }
  const std::size_t budget = kLongestCommandLine - kRoomForTheBrowser - longestFrame;
  // One unit at a time, so that a clipboard of any size costs only as much
  // as the part that fits.
  std::size_t encoded = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    encoded += urlEncode(text.substr(i, 1)).size();
    if (encoded <= budget && i < most) continue;
    const bool insidePair = i > 0 && text[i] >= 0xDC00 && text[i] <= 0xDFFF &&
                            text[i - 1] >= 0xD800 && text[i - 1] <= 0xDBFF;
    return insidePair ? i - 1 : i;
  }
  return text.size();
}

}  // namespace pipit::ext
