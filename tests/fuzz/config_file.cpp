// The settings file as a user may leave it: any bytes. A file that reads must
// also survive the launcher's own save: written and read again, it gives the
// same settings (blanks that ended up at the end of a line aside, which the
// reading trims). Only a file with bytes the code page cannot decode is not
// saved, and stays whole.
#include "FuzzSupport.h"
#include "base/SettingsText.h"
#include "core/ConfigurationFile.h"
#include "fakes/FakePorts.h"

using namespace pipit;

namespace {

Text trimmedLines(const Text& text) {
  Text result;
  for (const Text& line : splitLines(text)) result += trimBlanks(line) + u"\n";
  return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const CodePage cp = CodePage::named("CP932");
  fakes::FakeFiles files;
  fakes::FakeClock clock;
  Logger logger(files, clock, cp);
  ConfigurationFile file(files, cp, logger);
  const Text path = file.defaultPath();
  files.content[path] = std::string(fuzz::bytesOf(data, size));

  const auto first = file.getConfigurationFromFile(path);
  if (!first) return 0;
  const Text text = first.value().toString(u"\t");
  PIPIT_FUZZ_CHECK(first.value().getHiddenDelay() <= 30000, text);
  if (!file.saveConfiguration(first.value())) {
    bool lossy = false;
    (void)decodeSettingsFile(files.content[path], cp, &lossy);
    PIPIT_FUZZ_CHECK(lossy && files.content[path] == fuzz::bytesOf(data, size), text);
    return 0;
  }
  const auto again = file.getConfigurationFromFile(path);
  PIPIT_FUZZ_CHECK(again.ok(), text);
  PIPIT_FUZZ_CHECK(trimmedLines(again.value().toString(u"\t")) == trimmedLines(text), text);
  return 0;
}
