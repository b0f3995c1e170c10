#include <gtest/gtest.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <new>
#include <string>
#include <thread>

#include "finding/ProgramIndexThread.h"
#include "platform/InstalledPrograms.h"

namespace pipit {
namespace {
using namespace std::chrono_literals;
using Wake = ProgramFolderWatch::Wake;

// What the worker asks of the folders and the programs, in order.
struct Journal {
  std::mutex mutex;
  std::condition_variable written;
  std::vector<std::string> lines;
  bool stopped = false;
  void write(std::string line) {
    const std::lock_guard lock(mutex);
    lines.push_back(std::move(line));
    written.notify_all();
  }
  bool waitFor(std::size_t count) {
    std::unique_lock lock(mutex);
    return written.wait_for(lock, 20s, [&] { return lines.size() >= count; });
  }
};

// Folders that change as scripted, then wait until stopped.
struct ScriptedWatch : ProgramFolderWatch {
  ScriptedWatch(Journal& j, std::deque<Wake> w) : journal(j), wakes(std::move(w)) {}
  Wake wait(std::chrono::milliseconds timeout) override {
    journal.write(timeout == kForever ? "wait" : "wait " + std::to_string(timeout.count()));
    std::unique_lock lock(journal.mutex);
    if (wakes.empty() || journal.stopped) {
      journal.written.wait(lock, [&] { return journal.stopped; });
      return Wake::stopped;
    }
    const Wake wake = wakes.front();
    wakes.pop_front();
    return wake;
  }
  void stop() override {
    const std::lock_guard lock(journal.mutex);
    journal.stopped = true;
    journal.written.notify_all();
  }
  Journal& journal;
  std::deque<Wake> wakes;
};

struct ScriptedPrograms : InstalledPrograms {
  std::vector<InstalledProgram> scan(const std::atomic<bool>& stop, const Preview&) const override {
    journal.write("scan");
    onScan(stop);
    return {{u"電卓", u"a.lnk"}, {u"Code", u"b.lnk"}, {u"電卓", u"c.lnk"}};
  }
  std::unique_ptr<ProgramFolderWatch> watch() const override {
    return std::make_unique<ScriptedWatch>(journal, wakes);
  }
  mutable Journal journal;
  std::deque<Wake> wakes;
  std::function<void(const std::atomic<bool>&)> onScan;
};

TEST(ProgramIndexThreadTest, ABurstOfChangesBringsOneScanOnceTheFoldersAreQuiet) {
  ScriptedPrograms programs;
  programs.wakes = {Wake::changed, Wake::changed, Wake::changed, Wake::quiet,  // one burst
                    Wake::changed, Wake::quiet};  // a second, whose scan fails
  int scans = 0;
  programs.onScan = [&](const std::atomic<bool>&) {
    if (++scans == 3) throw std::bad_alloc();
  };
  {
    // The readings open once, before the first scan, and each name is read.
    const auto openReadings = [&]() -> NameReadings {
      programs.journal.write("readings");
      return [](TextView folded) { return folded == u"電卓" ? Reading{{u"デンタク"}} : Reading{}; };
    };
    const ProgramIndexThread worker(
        programs,
        [&](const std::vector<InstalledProgram>&, const std::vector<Reading>& readings) {
          EXPECT_EQ(readings, (std::vector<Reading>{{{u"デンタク"}}, {}, {{u"デンタク"}}}));
          programs.journal.write("deliver");
        },
        openReadings, 250ms);
    ASSERT_TRUE(programs.journal.waitFor(13));
  }
  EXPECT_EQ(programs.journal.lines,
            (std::vector<std::string>{"readings", "scan", "deliver", "wait", "wait 250", "wait 250",
                                      "wait 250", "scan", "deliver", "wait", "wait 250", "scan",
                                      "wait"}));
}

TEST(ProgramIndexThreadTest, StoppingDuringAScanEndsItAndDeliversNothing) {
  ScriptedPrograms programs;
  programs.onScan = [](const std::atomic<bool>& stop) {
    while (!stop) std::this_thread::yield();  // a scan that would never end
  };
  {
    const ProgramIndexThread worker(
        programs, [&](const std::vector<InstalledProgram>&, const std::vector<Reading>& readings) {
          EXPECT_TRUE(readings.empty());  // none opened
          programs.journal.write("deliver");
        });
    ASSERT_TRUE(programs.journal.waitFor(1));
  }
  EXPECT_EQ(programs.journal.lines, std::vector<std::string>{"scan"});
}

}  // namespace
}  // namespace pipit
