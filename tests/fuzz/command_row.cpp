// A row of the settings dialog's command list, as pasted or dropped: any
// text. A row the dialog would accept reads back from its own row text as
// the same command.
#include "FuzzSupport.h"
#include "settings/CommandTableEditor.h"

using namespace pipit;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const Text row = fuzz::unitsOf(data, size);
  const CommandInfo info = getCommandInfoFromString(row);
  PIPIT_FUZZ_CHECK(row.starts_with(info.getCommand()), row);
  if (!validateCommandInfo(info).empty()) return 0;
  const CommandInfo again = getCommandInfoFromString(commandRowText(info));
  PIPIT_FUZZ_CHECK(again.getCommand() == info.getCommand() &&
                       again.getExecutionPath() == info.getExecutionPath() &&
                       again.getExecutionDirectory() == info.getExecutionDirectory(),
                   row);
  for (const Text& line : pastedLines(row)) {
    PIPIT_FUZZ_CHECK(line.find(u"\r\n") == Text::npos, row);
  }
  return 0;
}
