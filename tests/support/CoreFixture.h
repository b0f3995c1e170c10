#pragma once
// A ConfigurationManager over in-memory ports, with the launcher's windows
// as a journal of what start-up and shutdown ask of them: the set-up of the
// tests and benchmarks that run the launcher's core.
#include <memory>
#include <vector>

#include "base/CodePage.h"
#include "core/ConfigurationManager.h"
#include "core/Logger.h"
#include "fakes/FakeLauncherParts.h"
#include "fakes/FakePorts.h"

namespace pipit::fakes {

class CoreFixture {
 private:
  // First, so that `files` can name it.
  std::unique_ptr<FakeFiles> ownFiles_;

 public:
  // Over a folder of its own.
  CoreFixture();
  // Over `folder`, which outlives it: a folder whose file port fails on
  // purpose, or one the next start reads.
  explicit CoreFixture(FakeFiles& folder);
  CoreFixture(const CoreFixture&) = delete;
  CoreFixture& operator=(const CoreFixture&) = delete;

  FakeFiles& files;
  FakeClock clock;
  FakeDialogs dialogs;
  FakeProcess process;
  FakeRegistry registry;
  CodePage cp = CodePage::named("CP932");
  Logger logger{files, clock, cp};
  ConfigurationManager manager{CorePorts{files, dialogs, process, registry, cp}, logger};

  Journal journal;
  FakeMainWindow window{journal};
  FakeModel model{journal, window};
  FakeTray tray{journal};
  FakeCommandMenu menu{journal};
  LauncherParts parts{window, model, tray, menu};

  // "config.txt" in the folder, as the folder was when the fixture was made.
  const Text configPath;
  void writeConfig(TextView text);
  Text config() const;
  // "label message" of every log record.
  std::vector<Text> log() const;
};

}  // namespace pipit::fakes
