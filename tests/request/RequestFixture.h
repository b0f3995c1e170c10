#pragma once
// Request handling wired to fakes, with the debug log on and read back.
#include <gtest/gtest.h>

#include "base/CodePage.h"
#include "fakes/FakePorts.h"
#include "fakes/FakeRequestPorts.h"
#include "fakes/LogRecords.h"
#include "request/RequestHandling.h"

namespace pipit {

class RequestFixture : public ::testing::Test {
 protected:
  RequestFixture() {
    logger.setDebugMode(true);
    lines.simpleMode = [this] { return window.simpleMode; };
    core.configuration.setGoogleURL(u"https://search.example/?q=");
  }

  fakes::FakeFiles files;
  fakes::FakeClock clock;
  fakes::FakeEventPump pump;
  CodePage cp = CodePage::named("CP932");
  Logger logger{files, clock, cp};
  fakes::FakeCore core;
  fakes::FakeLines lines;
  fakes::FakeWindow window;
  fakes::FakeConfigForm configForm;
  fakes::FakeShell shell;
  fakes::FakeBrowser browser;
  RequestHandling handling{
      RequestPorts{logger, core, lines, window, configForm, files, clock, pump, shell, browser}};

  // "label message" of every log record.
  std::vector<Text> log() { return fakes::logRecords(files, cp); }
  // The records of one method label, without the label.
  std::vector<Text> logOf(TextView label) {
    std::vector<Text> out;
    const Text prefix = Text(label) + u" ";
    for (const Text& line : log()) {
      if (startsWith(line, prefix)) out.push_back(line.substr(prefix.size()));
    }
    return out;
  }
  void clearLog() { files.content.clear(); }
};

}  // namespace pipit
