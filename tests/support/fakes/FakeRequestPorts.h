#pragma once
// Stand-ins for what request handling drives: the core, the character's
// lines, the window and the settings dialog (the shell and the browser
// object are in FakeShell.h).
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/Configuration.h"
#include "fakes/FakeShell.h"
#include "request/CharacterLines.h"
#include "request/ConfigFormControl.h"
#include "request/InputFormControl.h"
#include "request/LauncherCore.h"

namespace pipit::fakes {

// Thrown by FakeCore::terminate so that a test can watch the launcher end.
struct LauncherTerminated {};

class FakeCore : public LauncherCore {
 public:
  Configuration configuration;
  int lookups = 0;
  int terminated = 0;
  int sessionEnds = 0;
  std::function<void()> onTerminate;

  void addCommand(Text word, Text path, Text directory = u"") {
    auto row = std::make_shared<CommandInfo>();
    row->setCommand(std::move(word));
    row->setExecutionPath(std::move(path));
    row->setExecutionDirectory(std::move(directory));
    CommandTable rows = configuration.getCommands();
    rows.push_back(std::move(row));
    configuration.setCommands(std::move(rows));
  }
  std::optional<ExecutionRequest> getExecInfo(TextView command) override {
    ++lookups;
    for (const auto& row : configuration.commands()) {
      if (row->getCommand() != command) continue;
      ExecutionRequest request;
      request.setExecutionPath(row->getExecutionPath());
      request.setExecutionDirectory(row->getExecutionDirectory());
      return request;
    }
    return std::nullopt;
  }
  Configuration& getConfiguration() override { return configuration; }
  bool terminating = false;
  bool isTerminating() const override { return terminating; }
  [[noreturn]] void terminate() override {
    ++terminated;
    if (onTerminate) onTerminate();
    throw LauncherTerminated{};
  }
  [[noreturn]] void endSession() override {
    ++sessionEnds;
    throw LauncherTerminated{};
  }
};

struct LineCall {
  Text key;
  Text parameter;
  bool operator==(const LineCall&) const = default;
};

// Lines by key; "[コマンド]" is replaced by the parameter as the real
// lookup does.
class FakeLines : public CharacterLines {
 public:
  std::map<Text, Text> lines;
  std::vector<LineCall> asked;
  std::vector<std::string> loads;
  std::function<bool()> simpleMode;  // the window's style at load time
  bool fail = false;
  std::optional<Failure> loadFailure;

  Text getMessage(TextView key, TextView parameter) override {
    if (fail) throw std::runtime_error("model gone");
    asked.push_back({Text(key), Text(parameter)});
    const auto it = lines.find(Text(key));
    if (it == lines.end()) return {};
    Text line = it->second;
    const Text placeholder = u"[コマンド]";
    if (const auto at = line.find(placeholder); at != Text::npos) {
      line.replace(at, placeholder.size(), parameter);
    }
    return line;
  }
  bool hasLine(TextView key) const override { return lines.contains(Text(key)); }
  Status loadModel() override {
    loads.push_back(simpleMode && simpleMode() ? "simple" : "normal");
    if (loadFailure) return *loadFailure;
    return Status::success();
  }
};

class FakeWindow : public InputFormControl {
 public:
  Text characterMessage;
  Text txtMessage;
  bool simpleMode = false;
  std::vector<std::string> calls;

  Text getCharacterMessage() const override { return characterMessage; }
  void setCharacterMessage(const Text& line) override { characterMessage = line; }
  void clearForm(bool forcedHide, bool hideDelay) override {
    calls.push_back(std::string("clearForm(") + (forcedHide ? "1" : "0") + "," +
                    (hideDelay ? "1" : "0") + ")");
  }
  bool isSimpleMode() const override { return simpleMode; }
  void setSimpleMode(bool simple) override {
    simpleMode = simple;
    calls.push_back(simple ? "simple=1" : "simple=0");
  }
  void visualize() override { calls.push_back("visualize"); }
  void setTxtMessage(const Text& text) override {
    txtMessage = text;
    calls.push_back("txtMessage");
  }
  // Start-up's side of the window is not request handling's business.
  void init(bool) override {}
  void doHotkeyAction() override {}
  void terminate() override {}
  float top() const override { return 0; }
  float left() const override { return 0; }
};

class FakeConfigForm : public ConfigFormControl {
 public:
  std::vector<Text> opened;
  void init(const Text& path, const Text&) override { opened.push_back(path); }
};

}  // namespace pipit::fakes
