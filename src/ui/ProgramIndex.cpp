#include "ui/ProgramIndex.h"

#include <memory>
#include <utility>
#include <vector>

#include "finding/ReadingTable.h"

namespace pipit {

void ProgramIndex::start() {
  if (thread_) return;
  thread_.emplace(
      programs_,
      [this](std::vector<InstalledProgram> programs, std::vector<Reading> readings) {
        pump_.post([&words = words_, programs = std::move(programs),
                    readings = std::move(readings)]() mutable {
          words.setPrograms(std::move(programs), std::move(readings));
        });
      },
      [this] { return openReadings(); });
}

NameReadings ProgramIndex::openReadings() {
  Outcome<std::shared_ptr<const ReadingTable>> table = openReadingTable(files_);
  if (!table) {
    pump_.post([&logger = logger_, line = table.failure().description] {
      logger.writeLog(u"ProgramIndex.openReadings()", line, true);
    });
    return {};
  }
  // The table is only read: the word list's thread and this one share it.
  NameReadings readings = [table = std::move(table.value())](TextView folded) {
    return table->readingOf(folded);
  };
  pump_.post([&words = words_, readings] { words.setReadings(readings); });
  return readings;
}

}  // namespace pipit
