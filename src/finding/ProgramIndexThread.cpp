#include "finding/ProgramIndexThread.h"

#include <exception>
#include <unordered_map>
#include <utility>

#include "finding/TextFolding.h"

namespace pipit {

std::vector<Reading> programReadings(const std::vector<InstalledProgram>& programs,
                                     const NameReadings& readings) {
  // Programs of one name (one in each user's Start Menu, say) are read once.
  std::vector<Reading> read;
  read.reserve(programs.size());
  std::unordered_map<Text, std::size_t> first;
  for (const InstalledProgram& program : programs) {
    const auto [at, added] = first.try_emplace(program.name, read.size());
    read.push_back(added ? readings(foldForFinding(program.name)) : read[at->second]);
  }
  return read;
}

ProgramIndexThread::ProgramIndexThread(const InstalledPrograms& programs, Deliver deliver,
                                       OpenReadings openReadings, std::chrono::milliseconds quiet)
    : programs_(programs),
      deliver_(std::move(deliver)),
      openReadings_(std::move(openReadings)),
      quiet_(quiet),
      thread_([this] { run(); }) {}

ProgramIndexThread::~ProgramIndexThread() {
  {
    const std::lock_guard lock(watchMutex_);
    stop_ = true;
    if (watch_) watch_->stop();
  }
  thread_.join();
}

void ProgramIndexThread::run() {
  // The watch is made on this thread, since finding the folders loads the
  // shell, which the window's thread does not need at start. It lives until
  // the destructor, which may stop it at any moment.
  ProgramFolderWatch* watch = nullptr;
  {
    std::unique_ptr<ProgramFolderWatch> made = programs_.watch();
    const std::lock_guard lock(watchMutex_);
    if (stop_) return;
    watch_ = std::move(made);
    watch = watch_.get();
  }
  if (openReadings_) {
    try {
      readings_ = openReadings_();
    } catch (const std::exception&) {
      // Names are found without readings then.
    }
  }
  using Wake = ProgramFolderWatch::Wake;
  while (scanAndDeliver()) {
    if (watch->wait(ProgramFolderWatch::kForever) != Wake::changed) return;
    for (;;) {
      const Wake wake = watch->wait(quiet_);
      if (wake == Wake::stopped) return;
      if (wake == Wake::quiet) break;
    }
  }
}

bool ProgramIndexThread::scanAndDeliver() {
  try {
    std::vector<InstalledProgram> programs =
        programs_.scan(stop_, [this](std::vector<InstalledProgram> first) {
          if (!stop_) deliver(std::move(first));
        });
    if (stop_) return false;
    deliver(std::move(programs));
  } catch (const std::exception&) {
    // Out of memory in a scan, or the receiver's own trouble: the list keeps
    // what it had, and the next change tries again. The thread must not end
    // the program for it.
  }
  return !stop_;
}

void ProgramIndexThread::deliver(std::vector<InstalledProgram> programs) {
  std::vector<Reading> readings =
      readings_ ? programReadings(programs, readings_) : std::vector<Reading>();
  deliver_(std::move(programs), std::move(readings));
}

}  // namespace pipit
