#pragma once
#include "base/Text.h"

namespace pipit {

// One row of the command table.
class CommandInfo {
 public:
  // The command word of a separator row in the menus and the settings dialog.
  static constexpr TextView kSeparator = u"[区切り線]";

  const Text& getCommand() const { return command_; }
  void setCommand(Text value) { command_ = std::move(value); }
  const Text& getExecutionPath() const { return executionPath_; }
  void setExecutionPath(Text value) { executionPath_ = std::move(value); }
  const Text& getExecutionDirectory() const { return executionDirectory_; }
  void setExecutionDirectory(Text value) { executionDirectory_ = std::move(value); }

  // command, delimiter, path, delimiter, directory: the delimiter is written
  // twice even when the directory is empty.
  Text toString(TextView delimiter) const {
    Text text;
    appendTo(text, delimiter);
    return text;
  }
  // The same, at the end of `text`: a whole table is written without a
  // string per row.
  void appendTo(Text& text, TextView delimiter) const {
    text += command_;
    text += delimiter;
    text += executionPath_;
    text += delimiter;
    text += executionDirectory_;
  }
  // The length of toString() for a delimiter of this length.
  std::size_t textSize(std::size_t delimiter) const {
    return command_.size() + executionPath_.size() + executionDirectory_.size() + 2 * delimiter;
  }

 private:
  Text command_;
  Text executionPath_;
  Text executionDirectory_;
};

}  // namespace pipit
