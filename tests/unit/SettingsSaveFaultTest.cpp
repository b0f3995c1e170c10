// Saving the settings while the file port fails at one step of a replacement,
// each step in turn. Whatever step fails, "config.txt" holds the old bytes or
// the new ones, whole, and the next start reads it.
#include <gtest/gtest.h>

#include <algorithm>

#include "CoreFixture.h"

namespace pipit {
namespace {

// Replaces the way the Windows port does: the bytes go to a file beside the
// target in two writes, are flushed, and take its place in one rename. Step
// `failAt` (counted over every replacement) fails; a failed replacement
// leaves what it wrote beside the target.
class StepFailingFiles : public fakes::FakeFiles {
 public:
  int failAt = 0;
  int steps = 0;
  std::vector<std::string> offered;  // the bytes of every replacement

  Status replace(const Text& path, std::string_view bytes) override {
    offered.emplace_back(bytes);
    const Text beside = path + u".new";
    if (failed()) return Failure::permissionDenied();  // creating the file beside
    content[beside] = std::string(bytes.substr(0, bytes.size() / 2));
    if (failed()) return Failure::deviceIo();  // the second write
    content[beside] = std::string(bytes);
    if (failed()) return Failure::deviceIo();          // the flush
    if (failed()) return Failure::permissionDenied();  // the rename
    content[path] = content[beside];
    content.erase(beside);
    return Status::success();
  }

 private:
  bool failed() { return ++steps == failAt; }
};

Configuration withRow(Text command, Text path) {
  Configuration c;
  auto row = std::make_shared<CommandInfo>();
  row->setCommand(std::move(command));
  row->setExecutionPath(std::move(path));
  c.setCommands({row});
  return c;
}

class SettingsSaveFaultTest : public ::testing::Test {
 protected:
  CodePage cp = CodePage::named("CP932");
  const Text configPath = u"C:\\Tools\\Pipit\\config.txt";
  const std::string oldBytes =
      cp.encode(u"PREF/STYLE\t0\r\nPREF/TOP\t7\r\n# mine\r\nold\told.exe\r\n");

  // A launcher started on the old file, whose files fail at step k.
  struct Launcher : fakes::CoreFixture {
    explicit Launcher(StepFailingFiles& f) : CoreFixture(f), stepFiles(f) {}
    StepFailingFiles& stepFiles;
  };

  // Runs `save` against a launcher whose k-th step fails, for k = 1, 2, ...
  // until a run passes every step; checks the file after each and returns
  // the bytes a run without failure stored.
  template <class Save>
  std::string eachStepFailing(Save save) {
    for (int k = 1;; ++k) {
      SCOPED_TRACE("failing step " + std::to_string(k));
      StepFailingFiles files;
      files.content[configPath] = oldBytes;
      {
        Launcher launcher(files);
        if (simpleModelMissing) launcher.model.simpleFailure = Failure::fileNotFound();
        launcher.manager.main(launcher.parts);
        files.failAt = k;
        save(launcher);
      }
      std::string stored = files.content[configPath];
      if (files.steps < k) return stored;
      EXPECT_TRUE(stored == oldBytes || std::find(files.offered.begin(), files.offered.end(),
                                                  stored) != files.offered.end())
          << "a part or a mix: " << stored;
      expectStarts(files);
    }
  }

  // The next start reads the settings. (With a style's model gone, a file
  // left naming that style may still stop it at the model.)
  void expectStarts(StepFailingFiles& files) {
    files.failAt = 0;
    Launcher next(files);
    if (simpleModelMissing) next.model.simpleFailure = Failure::fileNotFound();
    try {
      next.manager.main(next.parts);
    } catch (const fakes::ProcessExited&) {
      const bool atSettings =
          !next.dialogs.shown.empty() && next.dialogs.shown.front().title == u"設定読み込み失敗";
      EXPECT_FALSE(atSettings) << toUtf8(cp.decode(files.content[configPath]));
    }
  }

  bool simpleModelMissing = false;
};

TEST_F(SettingsSaveFaultTest, ShutdownSavingThePosition) {
  const std::string saved = eachStepFailing([](Launcher& l) {
    l.window.topTwips = 1234.0f;
    try {
      l.manager.terminate();
    } catch (const fakes::ProcessExited& e) {
      EXPECT_EQ(e.code, 0);
    }
  });
  EXPECT_NE(cp.decode(saved).find(u"PREF/TOP\t1234\r\n"), Text::npos);
}

TEST_F(SettingsSaveFaultTest, TheSettingsDialogSaving) {
  const std::string saved = eachStepFailing([](Launcher& l) {
    const Status status = l.manager.setConfiguration(withRow(u"新しい", u"new.exe"));
    const bool wholeRun = l.stepFiles.steps < l.stepFiles.failAt;
    EXPECT_EQ(status.ok(), wholeRun);
    EXPECT_EQ(l.manager.getConfiguration().commands().at(0)->getCommand(),
              wholeRun ? u"新しい" : u"old");
  });
  EXPECT_NE(cp.decode(saved).find(u"新しい\tnew.exe\t\r\n"), Text::npos);
}

// Settings that cannot be read back, or a style whose model is missing, are
// taken back by a second replacement: failing there too must not leave a file
// the next start cannot read.
TEST_F(SettingsSaveFaultTest, SettingsTakenBackAfterTheyCannotBeUsed) {
  const std::string unreadable = eachStepFailing([](Launcher& l) {
    // A command word that is a setting key: its path must be a number.
    EXPECT_FALSE(l.manager.setConfiguration(withRow(u"PREF/TOP", u"notepad.exe")).ok());
  });
  EXPECT_EQ(unreadable, oldBytes);

  simpleModelMissing = true;
  const std::string missingModel = eachStepFailing([](Launcher& l) {
    Configuration c;
    c.setStyleSimple(true);
    EXPECT_FALSE(l.manager.setConfiguration(c).ok());
  });
  EXPECT_EQ(missingModel, oldBytes);
}

}  // namespace
}  // namespace pipit
