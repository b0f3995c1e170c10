#include <gtest/gtest.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <new>
#include <string>

#include "platform/InstalledPrograms.h"
#include "platform/ProgramIndexThread.h"

namespace pipit {
namespace {
using namespace std::chrono_literals;
using Wake = ProgramFolderWatch::Wake;

TEST(InstalledProgramsTest, OnlyPackagedAppIdsAreTakenFromTheAppsFolder) {
  for (const TextView id : {u"Maker.Game_0a1b2c3d4e5f6!App", u"a_zyxwvtsrqpnmk!x"})
    EXPECT_TRUE(isPackagedAppId(id)) << toUtf8(id);
  // No app id, a letter outside the alphabet, upper case, 12 characters, a path.
  for (const TextView id : {u"Maker.Game_0a1b2c3d4e5f6!", u"Maker.Game_0a1b2c3d4e5fi!App",
                            u"Maker.Game_0A1B2C3D4E5F6!App", u"Maker.Game_0a1b2c3d4e5f!App",
                            u"{6D809377-6AF0-444B-8957-A3773F02200E}\\Tool_0a1b2c3d4e5f6!x.exe"})
    EXPECT_FALSE(isPackagedAppId(id)) << toUtf8(id);
}

TEST(InstalledProgramsTest, AnInternetShortcutIsListedOnlyWithAnAddressTheShellCouldOpen) {
  const CodePage cp = CodePage::named("CP932");
  const std::string top = "[InternetShortcut]\r\n", longest(kLongestShortcutAddress - 8, 'a');
  std::string utf16 = "\xFF\xFE";
  for (const char16_t c : Text(u"[InternetShortcut]\nURL=https://例.jp/"))
    utf16.append({static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)});
  const std::pair<std::string, std::optional<Text>> cases[] = {
      {"[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,11\r\n" + top +
           "url = https://a.example/ \r\nURL=https://b.example/\r\n",
       u"https://a.example/"},
      {top + cp.encode(u"URL=https://例.jp/\r\n"), u"https://例.jp/"},
      {utf16, u"https://例.jp/"},
      {top + "URL=https://" + longest, u"https://" + fromUtf8(longest)},
      {top + "URL=https://a" + longest, std::nullopt},
      {top + "URL=https://" + std::string(100'000, 'a'), std::nullopt},
      {std::string("\x9A\0\xFF[InternetShortcut]\rURL=\x81\x7F\x01", 29), std::nullopt},
      {top + "URL=  \r\n[Other]\r\nURL=https://a.example/\r\n", std::nullopt},
  };
  for (const auto& [bytes, address] : cases)
    EXPECT_EQ(internetShortcutAddress(bytes, cp), address) << bytes.substr(0, 60);
}

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
    return {};
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
    const ProgramIndexThread worker(
        programs, [&](const std::vector<InstalledProgram>&) { programs.journal.write("deliver"); },
        250ms);
    ASSERT_TRUE(programs.journal.waitFor(12));
  }
  EXPECT_EQ(programs.journal.lines,
            (std::vector<std::string>{"scan", "deliver", "wait", "wait 250", "wait 250", "wait 250",
                                      "scan", "deliver", "wait", "wait 250", "scan", "wait"}));
}

TEST(ProgramIndexThreadTest, StoppingDuringAScanEndsItAndDeliversNothing) {
  ScriptedPrograms programs;
  programs.onScan = [](const std::atomic<bool>& stop) {
    while (!stop) std::this_thread::yield();  // a scan that would never end
  };
  {
    const ProgramIndexThread worker(
        programs, [&](const std::vector<InstalledProgram>&) { programs.journal.write("deliver"); });
    ASSERT_TRUE(programs.journal.waitFor(1));
  }
  EXPECT_EQ(programs.journal.lines, std::vector<std::string>{"scan"});
}

}  // namespace
}  // namespace pipit
