// Reading and saving a settings file of 32767 commands, against floors from
// the same run: decoding the file's bytes and splitting them into lines for
// the read, encoding the same text for the save.
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "BenchReport.h"
#include "CoreFixture.h"
#include "base/CodePage.h"
#include "base/Number.h"
#include "base/Path.h"
#include "core/ConfigurationFile.h"

using namespace pipit;
using bench::bestOf;

int main() {
  fakes::CoreFixture launcher;
  fakes::FakeFiles& files = launcher.files;
  const CodePage& codePage = launcher.cp;
  ConfigurationFile file(files, codePage, launcher.logger);
  const Text path = file.defaultPath();

  Configuration configuration;
  CommandTable rows;
  for (int i = 0; i < 32767; ++i) {
    auto row = std::make_shared<CommandInfo>();
    row->setCommand(u"コマンド" + decimalText(i));
    row->setExecutionPath(u"C:\\Program Files\\道具\\tool" + decimalText(i) +
                          u".exe|--open 文書.txt");
    row->setExecutionDirectory(i % 3 ? Text() : Text(u"C:\\作業"));
    rows.push_back(std::move(row));
  }
  configuration.setCommands(std::move(rows));

  const double save = bestOf(5, [&] { (void)file.saveConfiguration(configuration); });
  const std::string bytes = files.content[path];
  const Text text = codePage.decode(bytes);
  std::size_t sink = 0;
  const double saveFloor = bestOf(5, [&] { sink += codePage.encode(text).size(); });
  std::size_t commands = 0;
  const double read = bestOf(5, [&] {
    auto loaded = file.getConfigurationFromFile(path);
    commands = loaded ? loaded.value().commands().size() : 0;
  });
  const double readFloor = bestOf(5, [&] { sink += splitLines(codePage.decode(bytes)).size(); });

  std::printf("settings: %zu commands read back, %zu bytes (sink %zu)\n", commands, bytes.size(),
              sink);
  bench::reportRow("settings file read, 32767 commands", read, "ms", readFloor,
                   "decode and split lines");
  bench::reportRow("settings file save, 32767 commands", save, "ms", saveFloor,
                   "encode the same text");
  return 0;
}
