#include "extensions/dictweb/DictionarySearch.h"

#include "base/UrlEncode.h"

namespace pipit::ext {

// A search whose answers to a single word lead with its dictionary entries
// and which takes the phrase as "search?p=".
const TextView kDictionaryTopPage = u"https://search.yahoo.co.jp/";
const TextView kDictionaryQuestion =
    u"辞書検索する単語が指定されていません。Yahoo!辞書のトップページを開きますか？";

std::optional<Text> dictionarySearchAddress(TextView commandLine) {
  const Text phrase = trimBlanks(commandLine);
  if (phrase.empty()) return std::nullopt;
  return Text(kDictionaryTopPage) + u"search?p=" + urlEncode(phrase);
}

}  // namespace pipit::ext
