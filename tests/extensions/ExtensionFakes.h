#pragma once
// Stand-ins for the files, the browser object, the shell and the message
// boxes of the companion programs.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/CodePage.h"
#include "extensions/clipcmd/ClipboardFile.h"
#include "extensions/common/ByteLines.h"
#include "platform/Browser.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"

namespace pipit::ext::fakes {

// Hands out its bytes in pieces of `piece`, and fails after `failAfter`.
class StringSource : public ByteSource {
 public:
  explicit StringSource(std::string bytes, std::size_t piece = 7,
                        std::size_t failAfter = std::string::npos)
      : bytes_(std::move(bytes)), piece_(piece), failAfter_(failAfter) {}
  std::optional<std::size_t> read(char* buffer, std::size_t size) override {
    if (position_ >= failAfter_) return std::nullopt;
    const std::size_t n = std::min({size, piece_, bytes_.size() - position_});
    bytes_.copy(buffer, n, position_);
    position_ += n;
    return n;
  }

 private:
  std::string bytes_;
  std::size_t piece_;
  std::size_t failAfter_;
  std::size_t position_ = 0;
};

class FakeFileOpener : public FileOpener {
 public:
  std::map<Text, std::string> files;
  std::vector<Text> opened;
  std::unique_ptr<ByteSource> openForReading(const Text& path) override {
    opened.push_back(path);
    const auto found = files.find(path);
    if (found == files.end()) return nullptr;
    return std::make_unique<StringSource>(found->second);
  }
};

class FakeFileReader : public FileReader {
 public:
  std::map<Text, FileBytes> files;
  std::vector<Text> read;
  FileBytes readAll(const Text& path) override {
    read.push_back(path);
    const auto found = files.find(path);
    return found == files.end() ? FileBytes{ReadProblem::MissingFile, {}} : found->second;
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

class FakeShell : public Shell {
 public:
  std::vector<Text> opened;
  int64_t open(const Text& file, const Text&, const Text&) override {
    opened.push_back(file);
    return 33;
  }
  Text handler = u"browser.exe \"%1\"";
  std::vector<Text> started;
  Text schemeCommand(const Text&) override { return handler; }
  bool startCommandLine(const Text& commandLine) override {
    started.push_back(commandLine);
    return true;
  }
};

class FakeDialogs : public Dialogs {
 public:
  std::vector<Text> asked;
  MessageAnswer answer = MessageAnswer::Ok;
  MessageAnswer messageBox(const Text& prompt, const Text&, MessageButtons, MessageIcon) override {
    asked.push_back(prompt);
    return answer;
  }
};

inline CodePage shiftJis() { return CodePage::named("CP932"); }

}  // namespace pipit::ext::fakes
