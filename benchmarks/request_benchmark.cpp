// Request handling throughput, each figure against a floor measured in the
// same run on the same data:
//  - 100 000 inputs dispatched through the default processor against a
//    32767-row command table and a shell that does nothing, against a plain
//    scan of the same table for the same words (the least a table lookup
//    costs);
//  - urlEncode of 10 MB of mixed UTF-16 text, against allocating and filling
//    the largest output the encoding allows, nine characters a unit.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "BenchReport.h"
#include "CoreFixture.h"
#include "base/CodePage.h"
#include "base/UrlEncode.h"
#include "fakes/FakeRequestPorts.h"
#include "programs/pipitlauncher/ConfigurationManagerCore.h"
#include "request/RequestHandling.h"

namespace {

using namespace pipit;
using bench::bestOf;

class CountingShell : public Shell {
 public:
  int64_t calls = 0;
  int64_t open(const Text&, const Text&, const Text&) override {
    ++calls;
    return 42;
  }
  Text schemeCommand(const Text&) override { return {}; }
  bool startCommandLine(const Text&) override { return false; }
  int64_t showInFolder(const Text&) override { return 42; }
  int64_t runAsAdministrator(const Text&) override { return 42; }
};

Text wordOf(std::size_t i) {
  Text word = u"cmd";
  for (const char c : std::to_string(i)) word.push_back(static_cast<char16_t>(c));
  return word;
}

void benchmarkDispatch() {
  fakes::CoreFixture launcher;
  fakes::FakeEventPump pump;
  ConfigurationManagerCore core{launcher.manager};
  fakes::FakeLines lines;
  fakes::FakeWindow window;
  fakes::FakeConfigForm configForm;
  CountingShell shell;
  fakes::FakeBrowser browser;
  RequestHandling handling{RequestPorts{launcher.logger, core, lines, window, configForm,
                                        launcher.files, launcher.clock, pump, shell, browser}};

  CommandTable table;
  for (std::size_t i = 0; i < Configuration::kMaxCommands; ++i) {
    auto row = std::make_shared<CommandInfo>();
    row->setCommand(wordOf(i));
    row->setExecutionPath(u"C:\\Program Files\\Tool" + wordOf(i) + u"\\tool.exe|--open");
    row->setExecutionDirectory(u"C:\\Work");
    table.push_back(std::move(row));
  }
  launcher.manager.getConfiguration().setCommands(table);

  // Registered words from the whole table, some with an argument, and words
  // that are in no row (which scan the whole table).
  std::mt19937 random(20261207);
  std::uniform_int_distribution<std::size_t> row(0, Configuration::kMaxCommands - 1);
  std::uniform_int_distribution<int> kind(0, 99);
  std::vector<Text> inputs;
  std::vector<Text> words;
  for (int i = 0; i < 100000; ++i) {
    const int k = kind(random);
    Text word = k < 85 ? wordOf(row(random)) : u"notepad" + wordOf(row(random));
    words.push_back(word);
    inputs.push_back(k < 70 || k >= 85 ? word : word + u" | memo.txt");
  }

  std::size_t found = 0;
  const double floor = bestOf(3, [&] {
    found = 0;
    for (const Text& word : words) {
      const TextView wanted = word;
      for (const auto& r : table) {
        if (r->getCommand() == wanted) {
          ++found;
          break;
        }
      }
    }
  });
  std::size_t errors = 0;
  const double dispatch = bestOf(3, [&] {
    errors = 0;
    for (const Text& input : inputs) errors += handling.dispatcher.dispatch(input).isError();
  });
  std::printf(
      "dispatch: 100000 inputs, 32767-row table: %.1f ms; floor (table scan, %zu found): "
      "%.1f ms; ratio %.2f; errors %zu\n",
      dispatch, found, floor, dispatch / floor, errors);
  bench::reportRow("dispatch of 100 000 inputs, 32767-row table", dispatch, "ms", floor,
                   "scan of the table");
}

void benchmarkUrlEncode() {
  const std::size_t units = std::size_t{10} * 1024 * 1024 / sizeof(char16_t);
  const Text pieces[] = {u"abc",    u" ",   u"天気",       u"あいう",
                         u"\u00E9", u"~%/", u"\U0001F600", u"Tokyo-Station_1.2",
                         u"\u3000"};
  Text text;
  text.reserve(units + 32);
  std::mt19937 random(7);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
  while (text.size() < units) text += pieces[pick(random)];
  text.resize(units);

  // The floor is the output alone: the encoding rules let a unit grow to
  // nine characters (three UTF-8 bytes as "%XX"), so a buffer of nine times
  // the text, allocated and filled, is what no encoder can beat.
  std::size_t length = 0;
  const double floor = bestOf(5, [&] { length = Text(text.size() * 9, u'%').size(); });
  const double encode = bestOf(5, [&] { length = urlEncode(text).size(); });
  std::printf(
      "urlEncode: 10 MB (%zu code units) to %zu characters: %.1f ms; floor (the worst-case "
      "buffer, allocated and filled): %.2f ms; ratio %.1f\n",
      text.size(), length, encode, floor, encode / floor);
  bench::reportRow("urlEncode of 10 MB of mixed text", encode, "ms", floor,
                   "fill the worst-case output, nine characters a unit");
}

}  // namespace

int main() {
  benchmarkDispatch();
  benchmarkUrlEncode();
  return 0;
}
