#pragma once
// Records what start-up and shutdown ask of the windows, in one journal.
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/Failure.h"
#include "core/LauncherParts.h"

namespace pipit::fakes {

struct Journal {
  std::vector<std::string> calls;
};

class FakeMainWindow : public MainWindowControl {
 public:
  explicit FakeMainWindow(Journal& j) : journal(j) {}
  Journal& journal;
  bool simpleMode = false;
  float topTwips = 0;
  float leftTwips = 0;
  void setSimpleMode(bool simple) override {
    simpleMode = simple;
    journal.calls.push_back(simple ? "window.simple=1" : "window.simple=0");
  }
  void init(bool onStart) override {
    journal.calls.push_back(onStart ? "window.init(start)" : "window.init");
  }
  void doHotkeyAction() override { journal.calls.push_back("window.show"); }
  void terminate() override { journal.calls.push_back("window.terminate"); }
  float top() const override { return topTwips; }
  float left() const override { return leftTwips; }
};

class FakeModel : public ModelLoader {
 public:
  explicit FakeModel(Journal& j, const FakeMainWindow& w) : journal(j), window(w) {}
  Journal& journal;
  const FakeMainWindow& window;
  std::optional<Failure> failure;
  std::optional<Failure> simpleFailure;  // of the simple style's model only
  Status loadModel() override {
    journal.calls.push_back(window.simpleMode ? "model.load(simple)" : "model.load");
    if (failure) return *failure;
    if (simpleFailure && window.simpleMode) return *simpleFailure;
    return Status::success();
  }
};

class FakeTray : public TrayMenuControl {
 public:
  explicit FakeTray(Journal& j) : journal(j) {}
  Journal& journal;
  bool throwOnTerminate = false;
  void init() override { journal.calls.push_back("tray.init"); }
  void terminate() override {
    journal.calls.push_back("tray.terminate");
    if (throwOnTerminate) throw std::runtime_error("tray gone");
  }
};

class FakeCommandMenu : public CommandMenuControl {
 public:
  explicit FakeCommandMenu(Journal& j) : journal(j) {}
  Journal& journal;
  void init() override { journal.calls.push_back("menu.init"); }
};

}  // namespace pipit::fakes
