// Narrowing the input box's list after each keystroke, over 32767 command
// words and 5 000 programs with their file names and kanji readings, set
// against a floor measured in the same run: a plain search of the same
// names, file names and readings for the typed text, which any narrowing
// has to do at the least. A keystroke is timed as the user meets it: the
// text typed letter by letter, each search after the one before, the rows
// ordered and cut to the list's length.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "BenchReport.h"
#include "base/Number.h"
#include "finding/Calculator.h"
#include "finding/ListRows.h"
#include "finding/NameFinder.h"
#include "finding/ReadingTable.h"
#include "finding/TextFolding.h"
#include "platform/MappedFile.h"

using namespace pipit;
using bench::bestOf;

namespace {

constexpr std::size_t kWords = 32767;
constexpr std::size_t kPrograms = 5000;

struct Program {
  TextView name;
  TextView file;
};

std::vector<FindableName> programNames(const ReadingTable* table) {
  const Program programs[] = {
      {u"電卓", u"calc"},
      {u"リモート デスクトップ接続", u"mstsc"},
      {u"Visual Studio Code", u"Code"},
      {u"メモ帳", u"notepad"},
      {u"Mozilla Firefox", u"firefox"},
      {u"秀丸エディタ", u"Hidemaru"},
      {u"コマンド プロンプト", u"cmd"},
      {u"Windows PowerShell", u"powershell"},
      {u"拡大鏡", u"magnify"},
      {u"7-Zip File Manager", u"7zFM"},
  };
  std::vector<FindableName> names;
  names.reserve(kPrograms);
  for (std::size_t i = 0; i < kPrograms; ++i) {
    const Program& p = programs[i % std::size(programs)];
    FindableName name{Text(p.name) + u" " + decimalText(static_cast<int64_t>(i)),
                      {Text(p.file) + decimalText(static_cast<int64_t>(i))},
                      {}};
    if (table) name.reading = table->readingOf(foldForFinding(name.name));
    names.push_back(std::move(name));
  }
  return names;
}

// The floor: every folded name, file name and reading searched for the
// folded typed text.
std::size_t plainSearch(const std::vector<Text>& haystacks, TextView typed) {
  const Text folded = foldForFinding(typed);
  std::size_t found = 0;
  for (const Text& text : haystacks) found += text.find(folded) != Text::npos;
  return found;
}

}  // namespace

int main() {
  std::ifstream file(PIPIT_READING_TABLE, std::ios::binary);
  auto table = ReadingTable::over(
      std::make_unique<FileInMemory>(std::string(std::istreambuf_iterator<char>(file), {})));
  if (!table) {
    std::fprintf(stderr, "%s is no readings table\n", PIPIT_READING_TABLE);
    return 1;
  }

  const TextView stems[] = {u"メモ帳", u"memo pad", u"ﾒｰﾙ",     u"でんたく", u"Ｐａｉｎｔ",
                            u"キッテ", u"ごみばこ", u"browser", u"電卓",     u"コマンドプロンプト"};
  std::vector<Text> words;
  words.reserve(kWords);
  for (std::size_t i = 0; i < kWords; ++i) {
    words.push_back(Text(stems[i % 10]) + decimalText(static_cast<int64_t>(i)));
  }
  const std::vector<FindableName> programs = programNames(&*table);
  std::vector<Text> haystacks;
  std::vector<Text> programTexts;
  haystacks.reserve(words.size() + 3 * programs.size());
  programTexts.reserve(programs.size());
  for (const Text& word : words) haystacks.push_back(foldForFinding(word));
  for (const FindableName& p : programs) {
    programTexts.push_back(p.name);
    haystacks.push_back(foldForFinding(p.name));
    for (const Text& f : p.fileNames) haystacks.push_back(foldForFinding(f));
    Text reading;
    for (const auto& stretch : p.reading) reading += stretch.front();
    haystacks.push_back(std::move(reading));
  }

  NameFinder wordFinder, programFinder;
  const double index = bestOf(3, [&] {
    wordFinder.setWords(words);
    programFinder.setNames(programs);
  });
  const double indexPlain = bestOf(3, [&] {
    wordFinder.setWords(words);
    programFinder.setNames(programNames(nullptr));
  });
  programFinder.setNames(programs);

  // What users type: initials, file names, slips, readings in romaji and
  // kana, and text that finds nothing.
  const TextView typings[] = {u"memo",       u"vsc",         u"notepad",   u"firfox",
                              u"dentaku",    u"でんたく",    u"setsuzoku", u"ﾒﾓ",
                              u"ｐａｉｎｔ", u"kakudaikyou", u"7zfm",      u"zzzz"};
  std::size_t sink = 0;
  double floor = 0, total = 0, worst = 0;
  std::size_t keystrokes = 0;
  Text slowest;
  const auto keystroke = [&](TextView typed) {
    std::vector<RowMatch> wordRows, programRows;
    for (const Found& f : wordFinder.find(typed)) wordRows.push_back({f.index, f.quality, 0});
    for (const Found& f : programFinder.find(typed)) programRows.push_back({f.index, f.quality, 0});
    orderMatches(wordRows, std::nullopt);
    orderMatches(programRows, std::nullopt);
    sink += listRows(wordFinder.names(), wordRows, programTexts, programRows, 50).size();
  };
  for (const TextView typing : typings) {
    for (std::size_t n = 1; n <= typing.size(); ++n) {
      const TextView typed = typing.substr(0, n);
      // Each run starts from the text one letter shorter, as typing does.
      double best = 1e300;
      for (int run = 0; run < 5; ++run) {
        keystroke(n > 1 ? typing.substr(0, n - 1) : TextView(u"\x01"));
        best = std::min(best, bestOf(1, [&] { keystroke(typed); }));
      }
      floor += bestOf(5, [&] { sink += plainSearch(haystacks, typed); });
      total += best;
      if (best > worst) slowest = Text(typed);
      worst = std::max(worst, best);
      if (std::getenv("PIPIT_BENCH_EACH")) {
        std::printf("  %-14s %7.3f ms  %zu + %zu found\n", toUtf8(typed).c_str(), best,
                    wordFinder.find(typed).size(), programFinder.find(typed).size());
      }
      ++keystrokes;
    }
  }
  floor /= static_cast<double>(keystrokes);
  const double mean = total / static_cast<double>(keystrokes);
  std::printf("finder: %zu words, %zu programs, %zu keystrokes (sink %zu)\n", words.size(),
              programs.size(), keystrokes, sink);
  std::printf("floor (plain search, per keystroke): %8.3f ms\n", floor);
  std::printf("narrowing, mean per keystroke:       %8.3f ms  ratio %6.2f\n", mean, mean / floor);
  std::printf("narrowing, slowest keystroke:        %8.3f ms  ratio %6.2f (\"%s\")\n", worst,
              worst / floor, toUtf8(slowest).c_str());
  std::printf("finders made, with readings:         %8.3f ms  ratio %6.2f\n", index,
              index / indexPlain);
  // The calculator's row: what a keystroke of "=" text or bare arithmetic
  // adds, its answer worked out and shown.
  const TextView expressions[] = {u"=2^10", u"=(1+2)*3/4", u"1+2*3", u"=sqrt(2)*pi-1,234.5",
                                  u"=((((1+2)*3)^2)/7)%5"};
  double calculator = 0;
  for (const TextView expression : expressions) {
    calculator += bestOf(20, [&] {
      const Calculation result =
          calculate(isCalculation(expression) ? expression.substr(1) : expression);
      sink += looksLikeArithmetic(expression) + resultText(result.value, DigitGrouping{}).size();
    });
  }
  calculator /= static_cast<double>(std::size(expressions));
  std::printf("calculator's row, per keystroke:      %8.4f ms\n", calculator);
  bench::reportRow("the calculator's row, added to a keystroke", calculator * 1000, "us",
                   floor * 1000, "plain search of names, file names and readings");
  bench::reportRow("narrowing after a keystroke, 32767 words and 5 000 programs (mean)", mean, "ms",
                   floor, "plain search of names, file names and readings");
  bench::reportRow("narrowing after a keystroke, 32767 words and 5 000 programs (slowest)", worst,
                   "ms", floor, "plain search of names, file names and readings");
  return 0;
}
