#pragma once
// Keeps the list of installed programs fresh on a thread of its own: one scan
// at start, then one after each burst of changes in the watched folders, once
// they have been quiet for a moment (an installer writes many shortcuts in a
// row). Nothing else starts a scan. Each finished list goes to the callback,
// on this thread; the launcher posts it on to its window.
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/InstalledPrograms.h"

namespace pipit {

class ProgramIndexThread {
 public:
  using Deliver = std::function<void(std::vector<InstalledProgram>)>;

  // `programs` must outlive this object.
  ProgramIndexThread(const InstalledPrograms& programs, Deliver deliver,
                     std::chrono::milliseconds quiet = std::chrono::milliseconds(500));
  // Stops the scan or the wait under way and joins: a scan gives up at its
  // next shortcut, so this does not wait for a whole one.
  ~ProgramIndexThread();
  ProgramIndexThread(const ProgramIndexThread&) = delete;
  ProgramIndexThread& operator=(const ProgramIndexThread&) = delete;

 private:
  void run();
  // False when stopped before the list was ready.
  bool scanAndDeliver();

  const InstalledPrograms& programs_;
  Deliver deliver_;
  std::chrono::milliseconds quiet_;
  std::atomic<bool> stop_{false};
  std::mutex watchMutex_;                      // between the thread that makes the
  std::unique_ptr<ProgramFolderWatch> watch_;  // watch and the one that stops it
  std::thread thread_;                         // last: starts once the rest is made
};

}  // namespace pipit
