#pragma once
// The command table as the settings dialog edits it: a working list of row
// texts (command, path and directory joined by TAB) that reaches the
// settings only when the dialog is saved.
#include <vector>

#include "base/Text.h"
#include "core/Configuration.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/FileChooser.h"
#include "settings/ConfigFormView.h"

namespace pipit {

// Empty when the row may be registered, else the message that says why not.
Text validateCommandInfo(const CommandInfo& info);
// Splits a row text at TAB into command, path and directory; fields without
// a part stay empty and parts after the third are ignored.
CommandInfo getCommandInfoFromString(TextView row);
// The row text of a command as the list shows it.
Text commandRowText(const CommandInfo& info);
// The lines of pasted text, which are separated by CR LF. Text copied from a
// spreadsheet or an editor ends with CR LF; that is the end of the last line,
// not an empty line after it.
std::vector<Text> pastedLines(TextView text);

class CommandTableEditor {
 public:
  static constexpr TextView kCommandRequired = u"コマンドは必須です。";
  static constexpr TextView kPathRequired = u"パスは必須です。";
  static constexpr TextView kNothingSelected = u"何も選択されてません。";
  static constexpr TextView kPasteRejected =
      u"適切な形式でないデータがありました。これらは貼り付け処理をされていません。";
  static constexpr TextView kUnstorableCharacter =
      u"タブや改行を含むコマンド、パス、作業ディレクトリは登録できません。";
  static constexpr TextView kCommentCommand = u"コマンドの先頭に「#」は使えません。";
  static constexpr TextView kLeadingBlank = u"コマンドの先頭に空白は使えません。";
  static constexpr TextView kTrailingBlankDirectory = u"作業ディレクトリの末尾に空白は使えません。";

  CommandTableEditor(ConfigFormView& view, Dialogs& dialogs, Clipboard& clipboard,
                     FileChooser& fileChooser);

  // The valid rows of the table in their order, none selected. Rows that
  // cannot be listed are left out without a message.
  void load(const CommandTable& commands);
  const std::vector<Text>& rows() const { return rows_; }
  int selectedRow() const { return selected_; }
  // The rows as a table of new commands: editing the list never touches the
  // rows of the settings in force, which their copies share.
  CommandTable commandTable() const;

  // Selects a row and shows its fields in the three boxes.
  void selectRow(int index);

  // The user's actions.
  void onListClick(int index);
  void onNew();
  void onUpdate();
  void onDelete();
  void onSeparator();
  void onUp();
  void onDown();
  void onRefPath();
  void onPaste();

 private:
  CommandInfo getCommandInfoFromForm() const;
  void showCommandInfo(const CommandInfo& info);
  Text addCommand(const CommandInfo& info);
  Text updateCommand(const CommandInfo& info, int index);
  Text deleteCommand(int index);
  void appendRow(Text row);
  void swapRows(int upper);
  bool isRow(int index) const { return index >= 0 && index < static_cast<int>(rows_.size()); }
  void tell(TextView message);

  ConfigFormView& view_;
  Dialogs& dialogs_;
  Clipboard& clipboard_;
  FileChooser& fileChooser_;
  std::vector<Text> rows_;
  int selected_ = -1;
  // The file dialog offers the name chosen last time, and a cancel hands
  // that name back.
  Text chosenFile_;
};

}  // namespace pipit
