// The input box's drop-down list against a fake window, and the index of
// installed programs that feeds it.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "FakeCharacterWindowView.h"
#include "fakes/FakePorts.h"
#include "fakes/FakeRequestPorts.h"
#include "fakes/LogRecords.h"
#include "finding/FileNames.h"
#include "ui/ProgramIndex.h"
#include "ui/WordList.h"

namespace pipit {
namespace {

TEST(WordListTest, TypingNarrowsTheListAndOpensItWhileAWordMatches) {
  fakes::FakeCore core;
  core.addCommand(u"ゴミメモ", u"a.exe");
  core.addCommand(u"[区切り線]", u"");
  core.addCommand(u"メモ帳", u"b.exe");
  fakes::FakeCharacterWindowView view;
  fakes::FakeFiles files;
  fakes::FakeWallClock clock;
  UsageScores usage(files, clock);
  WordList list(view, usage);
  list.setCommands(core.configuration);
  const std::vector<Text> all{u"ゴミメモ", u"メモ帳"};
  EXPECT_EQ(view.words, all);

  view.input = u"めも";
  list.onEdited();
  EXPECT_EQ(view.words, (std::vector<Text>{u"メモ帳", u"ゴミメモ"}));
  EXPECT_TRUE(view.listOpen);
  EXPECT_EQ(view.input, u"めも") << "nothing is completed in the box";
  view.input = u"めもx";
  list.onEdited();
  EXPECT_TRUE(view.words.empty());
  EXPECT_FALSE(view.listOpen);
  view.input = u"";
  list.onEdited();
  EXPECT_EQ(view.words, all);
  EXPECT_FALSE(view.listOpen) << "an empty box opens nothing";

  view.input = u"memo";
  list.onEdited();
  list.putInput(u"?memo", true);
  EXPECT_EQ(view.words, all) << "the list narrows on typing only, not on her \"?\"";
  EXPECT_FALSE(view.listOpen);
  EXPECT_TRUE(view.inputSelected);
}

// What a program is found by beyond its name, and the row chosen for a
// text coming first for it, in its group, after one choice.
TEST(WordListTest, ProgramsAreFoundByTheirFilesAndTheRowChosenComesFirst) {
  const std::pair<InstalledProgram, std::vector<Text>> files[] = {
      {{u"メモ帳", u"C:\\s\\Notepad.lnk", u"C:\\Windows\\notepad.exe"}, {u"Notepad"}},
      {{u"Code", u"C:\\s\\Code.lnk", u"C:\\VS\\Code.exe"}, {}},
      {{u"Word", u"C:\\s\\Word.lnk", u"C:\\Office\\WINWORD.EXE"}, {u"WINWORD"}},
      {{u"電卓", u"shell:AppsFolder\\Microsoft.WindowsCalculator_8wekyb!App"},
       {u"Microsoft.WindowsCalculator"}},
      {{u"x", u"\"C:\\a b\\tool.v2.exe\""}, {u"tool.v2"}},
  };
  for (const auto& [program, names] : files) {
    EXPECT_EQ(programFileNames(program), names) << toUtf8(program.target);
  }
  for (const TextView path : {u"$exit", u"https://example.com/a.html", u"", u"C:\\"}) {
    EXPECT_EQ(fileStem(path), u"") << toUtf8(path);
  }

  fakes::FakeCharacterWindowView box;
  fakes::FakeFiles disk;
  fakes::FakeWallClock clock;
  UsageScores usage(disk, clock);
  WordList list(box, usage);
  fakes::FakeCore core;
  core.addCommand(u"めもめも", u"C:\\memo\\notepad.exe");
  list.setCommands(core.configuration);
  list.setPrograms({{u"Notes", u"C:\\a.lnk"}, files[0].first});
  const auto type = [&](const Text& text) {
    box.input = text;
    list.onEdited();
    return box.words;
  };
  const Text notes = u"Notes", memo = u"メモ帳";
  EXPECT_EQ(type(u"notepad"), (std::vector<Text>{u"めもめも", memo}));
  EXPECT_EQ(type(u"note"), (std::vector<Text>{u"めもめも", notes, memo}));
  ASSERT_TRUE(list.countStart({ListKind::Program, u"メモ帳", u"C:\\s\\Notepad.lnk"}).ok());
  EXPECT_EQ(type(u"ｎｏｔｅ"), (std::vector<Text>{u"めもめも", memo, notes}));
  EXPECT_EQ(type(u"not"), (std::vector<Text>{u"めもめも", notes, memo}))
      << "only for the text it was chosen for";
}

// One list, found at once, in folders that never change.
struct ListedPrograms : InstalledPrograms {
  struct QuietFolders : ProgramFolderWatch {
    Wake wait(std::chrono::milliseconds) override {
      std::unique_lock lock(mutex);
      woken.wait(lock, [this] { return stopped; });
      return Wake::stopped;
    }
    void stop() override {
      const std::lock_guard lock(mutex);
      stopped = true;
      woken.notify_all();
    }
    std::mutex mutex;
    std::condition_variable woken;
    bool stopped = false;
  };
  std::vector<InstalledProgram> scan(const std::atomic<bool>&, const Preview&) const override {
    ++scans;
    return list;
  }
  std::unique_ptr<ProgramFolderWatch> watch() const override {
    return std::make_unique<QuietFolders>();
  }
  std::vector<InstalledProgram> list;
  mutable std::atomic<int> scans{0};
};

TEST(ProgramIndexTest, StartsOnceAndItsListReachesTheWordListOnlyThroughThePump) {
  fakes::FakeCharacterWindowView box;
  fakes::FakeFiles files;
  fakes::FakeWallClock clock;
  const CodePage cp = CodePage::named("CP932");
  fakes::FakeClock logClock;
  Logger logger{files, logClock, cp};
  UsageScores usage(files, clock);
  WordList list(box, usage);
  fakes::FakeEventPump pump;
  ListedPrograms programs;
  programs.list = {{u"メモ帳", u"C:\\m.lnk"}};
  {
    ProgramIndex index(programs, files, logger, pump, list);
    box.input = u"めも";
    list.onEdited();
    index.start();
    index.start();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (box.words.empty() && std::chrono::steady_clock::now() < deadline) {
      EXPECT_TRUE(box.words.empty()) << "nothing comes but through the pump";
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
      pump.runPosted();
    }
    EXPECT_EQ(box.words, (std::vector<Text>{u"メモ帳"}));
    EXPECT_TRUE(box.listOpen) << "the user's typing is listed again, the list open";
    // Without the readings table, one line says so and the rest works.
    EXPECT_EQ(fakes::logRecords(files, cp),
              (std::vector<Text>{u"ProgramIndex.openReadings() 読みの辞書 readings.dat "
                                 u"を開けないため、漢字の読みでは探しません:53:"
                                 u"ファイルが見つかりません。"}));
  }  // stopped and joined: its folders' wait ends
  EXPECT_EQ(programs.scans, 1);
  EXPECT_EQ(pump.runPosted(), 0u);
}

}  // namespace
}  // namespace pipit
