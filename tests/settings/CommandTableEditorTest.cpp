#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "FakeSettings.h"
#include "fakes/FakePorts.h"
#include "settings/CommandTableEditor.h"

namespace pipit {
namespace {

using Texts = std::vector<Text>;

CommandTable tableOf(const Texts& rows) {
  CommandTable table;
  for (const Text& row : rows) {
    table.push_back(std::make_shared<CommandInfo>(getCommandInfoFromString(row)));
  }
  return table;
}

// One state of the editor before or after a button: the list, its
// selection and the three boxes.
struct State {
  Texts rows;
  int selected = -1;
  Texts boxes{u"", u"", u""};
};

struct Case {
  const char* name;
  State before;
  State after;
  Text message;  // empty: no box
};

class CommandTableEditorTest : public ::testing::Test {
 protected:
  fakes::FakeFormView view;
  fakes::FakeDialogs dialogs;
  fakes::FakeClipboard clipboard;
  fakes::FakeFileChooser chooser;
  CommandTableEditor editor{view, dialogs, clipboard, chooser};

  void start(const State& state) {
    dialogs.shown.clear();
    editor.load(tableOf(state.rows));
    editor.selectRow(state.selected);
    view.type(state.boxes[0], state.boxes[1], state.boxes[2]);
  }

  void expectState(const State& state) {
    EXPECT_EQ(editor.rows(), state.rows);
    EXPECT_EQ(view.rows, state.rows) << "the list shows the editor's rows";
    EXPECT_EQ(editor.selectedRow(), state.selected);
    EXPECT_EQ(view.selected, state.selected) << "the list shows the editor's selection";
    EXPECT_EQ(view.boxes(), state.boxes);
  }

  void expectMessage(const Text& message) {
    if (message.empty()) {
      EXPECT_TRUE(dialogs.shown.empty());
      return;
    }
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].prompt, message);
    EXPECT_EQ(dialogs.shown[0].title, u"ピピットランチャー");
    EXPECT_EQ(dialogs.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::None);
  }

  void run(const std::vector<Case>& cases, const std::function<void()>& press) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      start(c.before);
      press();
      expectState(c.after);
      expectMessage(c.message);
    }
  }
};

const Text kSep = u"[区切り線]";
const Text kCommandRequired = u"コマンドは必須です。";
const Text kPathRequired = u"パスは必須です。";
const Text kNothing = u"何も選択されてません。";
const Text kUnstorable = u"タブや改行を含むコマンド、パス、作業ディレクトリは登録できません。";
const Text kComment = u"コマンドの先頭に「#」は使えません。";
const Text kLeadingBlank = u"コマンドの先頭に空白は使えません。";
const Text kTrailingBlank = u"作業ディレクトリの末尾に空白は使えません。";
const Text kPaste = u"適切な形式でないデータがありました。これらは貼り付け処理をされていません。";

TEST(CommandRowTest, ValidationOrderAndParsing) {
  struct Validation {
    Text command, path, directory, message;
  };
  for (const Validation& v : std::vector<Validation>{
           {u"mail", u"mail.exe", u"", u""},
           {u"mail", u"", u"C:\\", kPathRequired},
           {u"", u"mail.exe", u"", kCommandRequired},
           {u"", u"", u"", kPathRequired},
           {kSep, u"", u"", u""},
           {u"[区切り線] ", u"", u"", kPathRequired},  // whole word only
           {u"a\tb", u"c", u"", kUnstorable},
           {u"a", u"b\rc", u"", kUnstorable},
           {u"a", u"b", u"C:\\x\ty", kUnstorable},
           {u"a", u"b\nc", u"", u""},  // a lone LF reads back as written
           // What the file reader would drop or trim at the next start.
           {u"#memo", u"notepad.exe", u"", kComment},
           {u" mail", u"mail.exe", u"", kLeadingBlank},
           {u"  ", u"mail.exe", u"", kLeadingBlank},
           {u"mail", u"mail.exe", u"C:\\mail ", kTrailingBlank},
           {u"mail", u"mail.exe", u" ", kTrailingBlank},
           {u"mail #1 ", u" mail.exe ", u" C:\\", u""},  // inside the line: kept
           {u"　mail", u"mail.exe", u"", u""},           // only U+0020 is trimmed
           {u"#", u"", u"", kPathRequired},
       }) {
    CommandInfo info;
    info.setCommand(v.command);
    info.setExecutionPath(v.path);
    info.setExecutionDirectory(v.directory);
    EXPECT_EQ(validateCommandInfo(info), v.message)
        << toUtf8(v.command + u"|" + v.path + u"|" + v.directory);
  }

  struct Parse {
    Text row;
    Texts fields;
  };
  for (const Parse& p : std::vector<Parse>{
           {u"", {u"", u"", u""}},
           {u"mail", {u"mail", u"", u""}},
           {u"mail\tmail.exe", {u"mail", u"mail.exe", u""}},
           {u"a\tb\tc\td\te", {u"a", u"b", u"c"}},
           {u"\t\t", {u"", u"", u""}},
       }) {
    const CommandInfo info = getCommandInfoFromString(p.row);
    EXPECT_EQ((Texts{info.getCommand(), info.getExecutionPath(), info.getExecutionDirectory()}),
              p.fields)
        << toUtf8(p.row);
  }
}

TEST_F(CommandTableEditorTest, LoadListsValidRowsOnlyWithoutSelection) {
  // A directory with a blank at its end, from a line with a fourth field,
  // is listed: it stays in the file as the file gave it.
  editor.load(
      tableOf({u"a\ta.exe", u"\tnoword.exe", u"nopath\t", kSep + u"\t\t", u"b\tb.exe\tC:\\ "}));
  EXPECT_EQ(view.rows, (Texts{u"a\ta.exe\t", kSep + u"\t\t", u"b\tb.exe\tC:\\ "}));
  EXPECT_EQ(view.selected, -1);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(CommandTableEditorTest, ListClickShowsTheRow) {
  start({{u"a\ta.exe\t", u"b\tb.exe\tC:\\b"}, -1, {u"x", u"y", u"z"}});
  editor.onListClick(1);
  expectState({{u"a\ta.exe\t", u"b\tb.exe\tC:\\b"}, 1, {u"b", u"b.exe", u"C:\\b"}});
}

TEST_F(CommandTableEditorTest, New) {
  const Texts one{u"a\ta.exe\t"};
  run(
      {
          {"valid row is appended and selected",
           {one, 0, {u"b", u"b.exe", u"C:\\"}},
           {{u"a\ta.exe\t", u"b\tb.exe\tC:\\"}, 1, {u"b", u"b.exe", u"C:\\"}},
           u""},
          {"a word that exists already is allowed",
           {one, -1, {u"a", u"other.exe", u""}},
           {{u"a\ta.exe\t", u"a\tother.exe\t"}, 1, {u"a", u"other.exe", u""}},
           u""},
          {"separator with empty fields",
           {one, -1, {kSep, u"", u""}},
           {{u"a\ta.exe\t", kSep + u"\t\t"}, 1, {kSep, u"", u""}},
           u""},
          {"no path", {one, -1, {u"b", u"", u""}}, {one, -1, {u"b", u"", u""}}, kPathRequired},
          {"no word",
           {one, 0, {u"", u"b.exe", u""}},
           {one, 0, {u"", u"b.exe", u""}},
           kCommandRequired},
          {"both empty", {{}, -1}, {{}, -1}, kPathRequired},
          {"a TAB typed into a box",
           {one, -1, {u"b\tc", u"b.exe", u""}},
           {one, -1, {u"b\tc", u"b.exe", u""}},
           kUnstorable},
      },
      [&] { editor.onNew(); });
}

TEST_F(CommandTableEditorTest, Update) {
  const Texts two{u"a\ta.exe\t", u"b\tb.exe\t"};
  run(
      {
          {"selected row is overwritten and stays selected",
           {two, 1, {u"c", u"c.exe", u"D:\\"}},
           {{u"a\ta.exe\t", u"c\tc.exe\tD:\\"}, 1, {u"c", u"c.exe", u"D:\\"}},
           u""},
          {"no selection, empty boxes: the selection message wins",
           {two, -1, {u"", u"", u""}},
           {two, -1, {u"", u"", u""}},
           kNothing},
          {"invalid boxes", {two, 0, {u"a", u"", u""}}, {two, 0, {u"a", u"", u""}}, kPathRequired},
      },
      [&] { editor.onUpdate(); });
}

TEST_F(CommandTableEditorTest, Delete) {
  const Texts three{u"a\ta.exe\t", u"b\tb.exe\t", u"c\tc.exe\t"};
  run(
      {
          {"first of three selects the new first",
           {three, 0},
           {{u"b\tb.exe\t", u"c\tc.exe\t"}, 0, {u"b", u"b.exe", u""}},
           u""},
          {"last of three selects the new last",
           {three, 2},
           {{u"a\ta.exe\t", u"b\tb.exe\t"}, 1, {u"b", u"b.exe", u""}},
           u""},
          {"the only row leaves the boxes as they were",
           {{u"a\ta.exe\t"}, 0, {u"a", u"a.exe", u""}},
           {{}, -1, {u"a", u"a.exe", u""}},
           u""},
          {"no selection", {three, -1}, {three, -1}, kNothing},
          {"empty list", {{}, -1}, {{}, -1}, kNothing},
      },
      [&] { editor.onDelete(); });
}

TEST_F(CommandTableEditorTest, Separator) {
  run(
      {
          {"appended whatever is selected, as the bare word",
           {{u"a\ta.exe\t", u"b\tb.exe\t"}, 0},
           {{u"a\ta.exe\t", u"b\tb.exe\t", kSep}, 2, {kSep, u"", u""}},
           u""},
      },
      [&] { editor.onSeparator(); });
  EXPECT_EQ(editor.commandTable().back()->getExecutionPath(), u"");
}

TEST_F(CommandTableEditorTest, UpAndDown) {
  const Texts three{u"a\ta.exe\t", u"b\tb.exe\t", u"c\tc.exe\t"};
  run(
      {
          {"middle up",
           {three, 1},
           {{u"b\tb.exe\t", u"a\ta.exe\t", u"c\tc.exe\t"}, 0, {u"b", u"b.exe", u""}},
           u""},
          {"first up changes nothing", {three, 0}, {three, 0}, u""},
          {"no selection", {three, -1}, {three, -1}, u""},
      },
      [&] { editor.onUp(); });
  run(
      {
          {"middle down",
           {three, 1},
           {{u"a\ta.exe\t", u"c\tc.exe\t", u"b\tb.exe\t"}, 2, {u"b", u"b.exe", u""}},
           u""},
          {"last down changes nothing", {three, 2}, {three, 2}, u""},
          {"no selection", {three, -1}, {three, -1}, u""},
      },
      [&] { editor.onDown(); });
}

TEST_F(CommandTableEditorTest, Paste) {
  const Texts one{u"a\ta.exe\t"};
  struct PasteCase {
    const char* name;
    Text clipboard;
    Texts added;
    Text message;
  };
  for (const PasteCase& c : std::vector<PasteCase>{
           {"two valid lines",
            u"b\tb.exe\r\nc\tc.exe\tC:\\",
            {u"b\tb.exe\t", u"c\tc.exe\tC:\\"},
            u""},
           {"a spreadsheet's final CR LF is no extra line", u"b\tb.exe\r\n", {u"b\tb.exe\t"}, u""},
           {"a word with a TAB only is rejected, the valid one kept",
            u"b\tb.exe\r\nc\t",
            {u"b\tb.exe\t"},
            kPaste},
           {"an empty line inside is rejected",
            u"b\tb.exe\r\n\r\nc\tc.exe",
            {u"b\tb.exe\t", u"c\tc.exe\t"},
            kPaste},
           {"a blank line before the final CR LF is rejected",
            u"b\tb.exe\r\n\r\n",
            {u"b\tb.exe\t"},
            kPaste},
           {"bare LF keeps one line", u"b\tb.exe\nc\tc.exe", {u"b\tb.exe\nc\tc.exe"}, u""},
           {"a lone CR would split the row in the file", u"b\tb.exe\rc\tc.exe", {}, kPaste},
           {"an empty clipboard", u"", {}, u""},
           {"text without a TAB", u"hello", {}, kPaste},
       }) {
    SCOPED_TRACE(c.name);
    start({one, -1});
    clipboard.text = c.clipboard;
    editor.onPaste();
    Texts rows = one;
    rows.insert(rows.end(), c.added.begin(), c.added.end());
    EXPECT_EQ(view.rows, rows);
    EXPECT_EQ(editor.selectedRow(), c.added.empty() ? -1 : static_cast<int>(rows.size()) - 1);
    expectMessage(c.message);
  }
}

TEST_F(CommandTableEditorTest, PathFromTheFileDialog) {
  start({{}, -1, {u"word", u"typed", u"D:\\"}});
  chooser.answers = {Text(u"C:\\a.exe"), std::nullopt, Text(u"C:\\b.exe")};
  editor.onRefPath();
  EXPECT_EQ(view.boxes(), (Texts{u"word", u"C:\\a.exe", u"D:\\"}));
  view.setFieldText(FormField::Path, u"typed again");
  editor.onRefPath();  // cancelled
  EXPECT_EQ(view.fieldText(FormField::Path), u"C:\\a.exe") << "the previous name comes back";
  editor.onRefPath();
  EXPECT_EQ(chooser.offered, (Texts{u"", u"C:\\a.exe", u"C:\\a.exe"}));
  EXPECT_EQ(view.fieldText(FormField::Path), u"C:\\b.exe");
}

TEST_F(CommandTableEditorTest, EditsNeverReachTheTableTheyWereLoadedFrom) {
  const CommandTable loaded = tableOf({u"a\ta.exe", u"b\tb.exe"});
  editor.load(loaded);
  editor.selectRow(0);
  view.type(u"z", u"z.exe", u"");
  editor.onUpdate();
  editor.onDown();
  EXPECT_EQ(loaded[0]->getCommand(), u"a");
  const CommandTable saved = editor.commandTable();
  ASSERT_EQ(saved.size(), 2u);
  EXPECT_EQ(saved[1]->getCommand(), u"z");
  EXPECT_NE(saved[0], loaded[1]) << "new rows, not the loaded ones";
}

}  // namespace
}  // namespace pipit
