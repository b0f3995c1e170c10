#pragma once
// The shell and the browser object: what opens a file or an address, as
// records of what they were asked, with switches to make them fail.
#include <map>
#include <optional>
#include <stdexcept>
#include <vector>

#include "platform/Browser.h"
#include "platform/Shell.h"

namespace pipit::fakes {

struct ShellCall {
  Text file;
  Text parameters;
  Text directory;
  bool operator==(const ShellCall&) const = default;
};

class FakeShell : public Shell {
 public:
  std::vector<ShellCall> calls;
  int64_t result = 42;
  std::map<Text, int64_t> resultFor;  // by file, before `result`
  bool fail = false;                  // throws, as a broken platform call might
  int64_t open(const Text& file, const Text& parameters, const Text& directory) override {
    if (fail) throw std::runtime_error("shell gone");
    calls.push_back({file, parameters, directory});
    const auto it = resultFor.find(file);
    return it == resultFor.end() ? result : it->second;
  }
  // The file of every call, for tests that care about nothing else.
  std::vector<Text> openedFiles() const {
    std::vector<Text> files;
    for (const ShellCall& call : calls) files.push_back(call.file);
    return files;
  }
  Text handler = u"browser.exe \"%1\"";
  std::vector<Text> started;
  Text schemeCommand(const Text& scheme) override {
    return scheme == u"https" || scheme == u"mailto" ? handler : u"";
  }
  std::map<Text, ShortcutTarget> shortcuts;
  std::optional<ShortcutTarget> shortcutTarget(const Text& shortcut) override {
    const auto it = shortcuts.find(shortcut);
    return it == shortcuts.end() ? std::nullopt : std::optional(it->second);
  }
  std::vector<Text> shownInFolder, runAsAdmin;
  int64_t showInFolder(const Text& path) override {
    shownInFolder.push_back(path);
    return result;
  }
  int64_t runAsAdministrator(const Text& file) override {
    runAsAdmin.push_back(file);
    return result;
  }
  bool startCommandLine(const Text& commandLine) override {
    started.push_back(commandLine);
    return true;
  }
};

class FakeBrowser : public Browser {
 public:
  std::vector<Text> opened;
  bool available = true;
  bool openNewWindow(const Text& address) override {
    opened.push_back(address);
    return available;
  }
};

}  // namespace pipit::fakes
