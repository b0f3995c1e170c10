#include "settings/CommandTableEditor.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "base/Product.h"

namespace pipit {
namespace {

constexpr TextView kTab = u"\t";

// A TAB or a CR inside a field would split the row differently when the
// settings file is read back: the command would silently become another.
bool storable(const Text& field) { return field.find_first_of(u"\t\r") == Text::npos; }

// Whether the row may stand in the list at all: rows read from the file are
// shown as they are, even one the file would not give back quite the same.
Text listingProblem(const CommandInfo& info) {
  Text result;
  if (info.getCommand().empty()) result = CommandTableEditor::kCommandRequired;
  if (info.getExecutionPath().empty()) result = CommandTableEditor::kPathRequired;
  if (info.getCommand() == CommandInfo::kSeparator) result.clear();
  if (result.empty() && !(storable(info.getCommand()) && storable(info.getExecutionPath()) &&
                          storable(info.getExecutionDirectory()))) {
    result = CommandTableEditor::kUnstorableCharacter;
  }
  return result;
}

}  // namespace

Text validateCommandInfo(const CommandInfo& info) {
  Text result = listingProblem(info);
  if (!result.empty()) return result;
  // The file reader trims blanks off both ends of a line and skips a line
  // that starts with "#": such a word would be lost or changed at the next
  // start, and so would blanks at the end of the directory, the line's last
  // field.
  const Text& command = info.getCommand();
  if (command.front() == u'#') return Text(CommandTableEditor::kCommentCommand);
  if (command.front() == u' ') return Text(CommandTableEditor::kLeadingBlank);
  if (info.getExecutionDirectory().ends_with(u' ')) {
    return Text(CommandTableEditor::kTrailingBlankDirectory);
  }
  return result;
}

CommandInfo getCommandInfoFromString(TextView row) {
  const std::vector<Text> parts = splitTabs(row);
  CommandInfo info;
  if (!parts.empty()) info.setCommand(parts[0]);
  if (parts.size() > 1) info.setExecutionPath(parts[1]);
  if (parts.size() > 2) info.setExecutionDirectory(parts[2]);
  return info;
}

Text commandRowText(const CommandInfo& info) { return info.toString(kTab); }

std::vector<Text> pastedLines(TextView text) {
  std::vector<Text> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find(kCrLf, start);
    if (end == TextView::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + kCrLf.size();
  }
  return lines;
}

CommandTableEditor::CommandTableEditor(ConfigFormView& view, Dialogs& dialogs, Clipboard& clipboard,
                                       FileChooser& fileChooser)
    : view_(view), dialogs_(dialogs), clipboard_(clipboard), fileChooser_(fileChooser) {}

void CommandTableEditor::load(const CommandTable& commands) {
  rows_.clear();
  for (const auto& row : commands) {
    if (row && listingProblem(*row).empty()) rows_.push_back(commandRowText(*row));
  }
  selected_ = -1;
  view_.setRows(rows_);
  view_.selectRow(-1);
}

CommandTable CommandTableEditor::commandTable() const {
  CommandTable table;
  table.reserve(rows_.size());
  for (const Text& row : rows_) {
    table.push_back(std::make_shared<CommandInfo>(getCommandInfoFromString(row)));
  }
  return table;
}

void CommandTableEditor::selectRow(int index) {
  selected_ = isRow(index) ? index : -1;
  view_.selectRow(selected_);
  if (selected_ >= 0) showCommandInfo(getCommandInfoFromString(rows_[selected_]));
}

void CommandTableEditor::onListClick(int index) { selectRow(index); }

void CommandTableEditor::onNew() { tell(addCommand(getCommandInfoFromForm())); }

void CommandTableEditor::onUpdate() { tell(updateCommand(getCommandInfoFromForm(), selected_)); }

void CommandTableEditor::onDelete() { tell(deleteCommand(selected_)); }

void CommandTableEditor::onSeparator() { appendRow(Text(CommandInfo::kSeparator)); }

// The moved row keeps the selection, so that it can be moved on.
void CommandTableEditor::onUp() {
  if (selected_ <= 0) return;
  swapRows(selected_ - 1);
  selectRow(selected_ - 1);
}

void CommandTableEditor::onDown() {
  if (selected_ < 0 || !isRow(selected_ + 1)) return;
  swapRows(selected_);
  selectRow(selected_ + 1);
}

void CommandTableEditor::onRefPath() {
  if (auto chosen = fileChooser_.chooseFile(chosenFile_)) chosenFile_ = std::move(*chosen);
  view_.setFieldText(FormField::Path, chosenFile_);
}

void CommandTableEditor::onPaste() {
  bool rejected = false;
  for (const Text& line : pastedLines(clipboard_.readText())) {
    if (!addCommand(getCommandInfoFromString(line)).empty()) rejected = true;
  }
  if (rejected) tell(kPasteRejected);
}

CommandInfo CommandTableEditor::getCommandInfoFromForm() const {
  CommandInfo info;
  info.setCommand(view_.fieldText(FormField::Command));
  info.setExecutionPath(view_.fieldText(FormField::Path));
  info.setExecutionDirectory(view_.fieldText(FormField::Directory));
  return info;
}

void CommandTableEditor::showCommandInfo(const CommandInfo& info) {
  view_.setFieldText(FormField::Command, info.getCommand());
  view_.setFieldText(FormField::Path, info.getExecutionPath());
  view_.setFieldText(FormField::Directory, info.getExecutionDirectory());
}

Text CommandTableEditor::addCommand(const CommandInfo& info) {
  Text message = validateCommandInfo(info);
  if (message.empty()) appendRow(commandRowText(info));
  return message;
}

Text CommandTableEditor::updateCommand(const CommandInfo& info, int index) {
  Text message = validateCommandInfo(info);
  if (!isRow(index)) message = kNothingSelected;
  if (!message.empty()) return message;
  rows_[index] = commandRowText(info);
  view_.replaceRow(index, rows_[index]);
  view_.selectRow(index);
  return message;
}

Text CommandTableEditor::deleteCommand(int index) {
  if (!isRow(index)) return Text(kNothingSelected);
  rows_.erase(rows_.begin() + index);
  view_.removeRow(index);
  if (rows_.empty()) {
    // The boxes keep what they show, ready to be registered again.
    selected_ = -1;
    view_.selectRow(-1);
  } else {
    selectRow(std::min(index, static_cast<int>(rows_.size()) - 1));
  }
  return {};
}

void CommandTableEditor::appendRow(Text row) {
  rows_.push_back(std::move(row));
  view_.appendRow(rows_.back());
  selectRow(static_cast<int>(rows_.size()) - 1);
}

void CommandTableEditor::swapRows(int upper) {
  std::swap(rows_[upper], rows_[upper + 1]);
  view_.replaceRow(upper, rows_[upper]);
  view_.replaceRow(upper + 1, rows_[upper + 1]);
}

void CommandTableEditor::tell(TextView message) {
  if (message.empty()) return;
  dialogs_.messageBox(Text(message), Text(kProductName), MessageButtons::Ok, MessageIcon::None);
}

}  // namespace pipit
