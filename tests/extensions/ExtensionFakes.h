#pragma once
// Stand-ins for the files of the companion programs; the browser object, the
// shell and the message boxes are the launcher's fakes.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/CodePage.h"
#include "extensions/clipcmd/ClipboardFile.h"
#include "extensions/common/ByteLines.h"
#include "fakes/FakePorts.h"
#include "fakes/FakeShell.h"

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

// The ports the companions share with the launcher have one fake each.
using pipit::fakes::FakeBrowser;
using pipit::fakes::FakeDialogs;
using pipit::fakes::FakeShell;

inline CodePage shiftJis() { return CodePage::named("CP932"); }

}  // namespace pipit::ext::fakes
