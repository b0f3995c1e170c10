// Narrowing a table of 32767 command words after each keystroke, against a
// floor measured in the same run: a plain search of the words as typed,
// which any narrowing has to do at the least. Folding the table, done once
// when it is loaded, is reported against the same floor.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "BenchReport.h"
#include "base/Number.h"
#include "finding/NameFinder.h"

using namespace pipit;
using bench::bestOf;

int main() {
  const TextView stems[] = {u"メモ帳", u"memo pad", u"ﾒｰﾙ",     u"でんたく", u"Ｐａｉｎｔ",
                            u"キッテ", u"ごみばこ", u"browser", u"電卓",     u"コマンドプロンプト"};
  std::vector<Text> words;
  words.reserve(32767);
  for (int i = 0; i < 32767; ++i) words.push_back(Text(stems[i % 10]) + decimalText(i));

  NameFinder finder;
  const double fold = bestOf(5, [&] { finder.setWords(words); });
  const TextView keystrokes[] = {u"m",  u"me",  u"mem",   u"memo",     u"め",         u"めも",
                                 u"ﾒﾓ", u"kit", u"kitte", u"denntaku", u"ｐａｉｎｔ", u"zzz"};
  std::size_t sink = 0;
  double floor = 0;
  double worst = 0;
  double total = 0;
  for (const TextView typed : keystrokes) {
    floor += bestOf(5, [&] {
      for (const Text& word : words) sink += word.find(typed) != Text::npos;
    });
    const double one = bestOf(5, [&] { sink += finder.find(typed).size(); });
    worst = std::max(worst, one);
    total += one;
  }
  const double count = std::size(keystrokes);
  floor /= count;
  std::printf("command finder: %zu words, %.0f keystrokes (sink %zu)\n", words.size(), count, sink);
  std::printf("floor (plain search, per keystroke): %8.3f ms\n", floor);
  std::printf("narrowing, mean per keystroke:       %8.3f ms  ratio %6.2f\n", total / count,
              total / count / floor);
  std::printf("narrowing, slowest keystroke:        %8.3f ms  ratio %6.2f\n", worst, worst / floor);
  std::printf("folding the table once (setWords):   %8.3f ms  ratio %6.2f\n", fold, fold / floor);
  bench::reportRow("narrowing after a keystroke, 32767 words (mean)", total / count, "ms", floor,
                   "plain search of the typed text");
  bench::reportRow("narrowing after a keystroke, 32767 words (slowest)", worst, "ms", floor,
                   "plain search of the typed text");
  return 0;
}
