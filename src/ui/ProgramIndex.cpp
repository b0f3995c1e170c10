#include "ui/ProgramIndex.h"

#include <utility>
#include <vector>

namespace pipit {

void ProgramIndex::start() {
  if (thread_) return;
  thread_.emplace(programs_, [this](std::vector<InstalledProgram> programs) {
    pump_.post([&words = words_, programs = std::move(programs)]() mutable {
      words.setPrograms(std::move(programs));
    });
  });
}

}  // namespace pipit
