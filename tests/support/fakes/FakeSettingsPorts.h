#pragma once
// The clipboard and the file dialog, as the settings dialog uses them.
#include <optional>
#include <vector>

#include "platform/Clipboard.h"
#include "platform/FileChooser.h"

namespace pipit::fakes {

class FakeClipboard : public Clipboard {
 public:
  Text text;
  Text readText() override { return text; }
  bool writeText(const Text& value) override {
    text = value;
    return true;
  }
};

// Answers with the queued choices in order; an empty entry is a cancel.
class FakeFileChooser : public FileChooser {
 public:
  std::vector<std::optional<Text>> answers;
  std::vector<Text> offered;
  std::optional<Text> chooseFile(const Text& initialName) override {
    offered.push_back(initialName);
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
};

}  // namespace pipit::fakes
