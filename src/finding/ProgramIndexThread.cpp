#include "finding/ProgramIndexThread.h"

#include <exception>
#include <utility>

namespace pipit {

ProgramIndexThread::ProgramIndexThread(const InstalledPrograms& programs, Deliver deliver,
                                       std::chrono::milliseconds quiet)
    : programs_(programs),
      deliver_(std::move(deliver)),
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
          if (!stop_) deliver_(std::move(first));
        });
    if (stop_) return false;
    deliver_(std::move(programs));
  } catch (const std::exception&) {
    // Out of memory in a scan, or the receiver's own trouble: the list keeps
    // what it had, and the next change tries again. The thread must not end
    // the program for it.
  }
  return !stop_;
}

}  // namespace pipit
