#pragma once
// Keeps the list of installed programs fresh on a thread of its own: one scan
// at start, then one after each burst of changes in the watched folders, once
// they have been quiet for a moment (an installer writes many shortcuts in a
// row). Nothing else starts a scan. Each finished list goes to the callback,
// on this thread, with the readings of the names that hold kanji; the
// launcher posts it on to its window. The readings are opened here too,
// before the first scan, so that nothing of them costs the window's thread.
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "finding/NameFinder.h"
#include "platform/InstalledPrograms.h"

namespace pipit {

// The reading of each program's name, through `readings` (each name read
// once however many programs bear it): what the thread delivers with them.
std::vector<Reading> programReadings(const std::vector<InstalledProgram>& programs,
                                     const NameReadings& readings);

class ProgramIndexThread {
 public:
  // The programs and, beside them, each one's reading (empty for a name
  // without kanji, and for all when no readings opened).
  using Deliver = std::function<void(std::vector<InstalledProgram>, std::vector<Reading>)>;
  // Called once on the thread; an empty function when there are none.
  using OpenReadings = std::function<NameReadings()>;

  // `programs` must outlive this object.
  ProgramIndexThread(const InstalledPrograms& programs, Deliver deliver,
                     OpenReadings openReadings = {},
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
  void deliver(std::vector<InstalledProgram> programs);

  const InstalledPrograms& programs_;
  Deliver deliver_;
  OpenReadings openReadings_;
  NameReadings readings_;  // this thread's alone
  std::chrono::milliseconds quiet_;
  std::atomic<bool> stop_{false};
  std::mutex watchMutex_;                      // between the thread that makes the
  std::unique_ptr<ProgramFolderWatch> watch_;  // watch and the one that stops it
  std::thread thread_;                         // last: starts once the rest is made
};

}  // namespace pipit
