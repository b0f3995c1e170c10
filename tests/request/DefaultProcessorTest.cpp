#include <gtest/gtest.h>

#include "RequestFixture.h"
#include "request/DefaultProcessor.h"

namespace pipit {
namespace {

using Texts = std::vector<Text>;

class DefaultProcessorTest : public RequestFixture {
 protected:
  DefaultProcessorTest() {
    core.addCommand(u"edit", u"C:\\ed.exe|memo.txt", u"C:\\Docs");
    core.addCommand(u"trimmed", u" C:\\ed.exe | memo.txt ");
    core.addCommand(u"spaced", u" C:\\a b.exe ");
    core.addCommand(u"bars", u"C:\\ed.exe|a|b");
    core.addCommand(u"web", u"https://example.com/");
    core.addCommand(u"ext", u"@transweb.exe");
    core.addCommand(u"設定", u"$PPTK_EDIT");
    core.addCommand(u"edit", u"C:\\second.exe");  // the first row wins
    lines.lines[u"CMD/URL"] = u"[コマンド]を開くね";
    lines.lines[u"CMD/コマンド実行"] = u"[コマンド]を実行するね";
    lines.lines[u"CMD/設定"] = u"設定だよ";
  }
  DefaultProcessor& processor = handling.defaults;
};

TEST_F(DefaultProcessorTest, SplitsTheInputAndMergesItWithTheRow) {
  struct Case {
    Text input;
    fakes::ShellCall expected;
  };
  const Case cases[] = {
      {u"edit", {u"C:\\ed.exe", u"memo.txt", u"C:\\Docs"}},
      {u"edit|other.txt", {u"C:\\ed.exe", u"other.txt", u"C:\\Docs"}},
      {u"  edit  |  other.txt  ", {u"C:\\ed.exe", u"other.txt", u"C:\\Docs"}},
      {u"edit|", {u"C:\\ed.exe", u"memo.txt", u"C:\\Docs"}},
      {u"trimmed", {u"C:\\ed.exe", u"memo.txt", u""}},
      {u"spaced", {u" C:\\a b.exe ", u"", u""}},
      {u"spaced|x", {u" C:\\a b.exe ", u"x", u""}},
      {u"bars", {u"C:\\ed.exe", u"a|b", u""}},
      {u"notepad x|a|b", {u"notepad x", u"a|b", u""}},
      {u"notepad", {u"notepad", u"", u""}},
      {u"\tedit", {u"\tedit", u"", u""}},
      {u"\u3000edit", {u"\u3000edit", u"", u""}},
      {u"EDIT", {u"EDIT", u"", u""}},
      {u"   ", {u"", u"", u""}},
      {u"|", {u"", u"", u""}},
      {u"ext|a", {u"C:\\Tools\\Pipit\\extention\\transweb.exe", u"a", u""}},
  };
  for (const Case& c : cases) {
    shell.calls.clear();
    processor.process(c.input);
    ASSERT_EQ(shell.calls.size(), 1u) << toUtf8(c.input);
    EXPECT_EQ(shell.calls[0], c.expected) << toUtf8(c.input);
  }
}

TEST_F(DefaultProcessorTest, ChoosesTheLineByThePathBeforeExpansion) {
  struct Case {
    Text input;
    fakes::LineCall asked;
    Text message;
  };
  const Case cases[] = {
      {u"web", {u"CMD/URL", u"https://example.com/"}, u"https://example.com/を開くね"},
      {u"http://typed.example/",
       {u"CMD/URL", u"http://typed.example/"},
       u"http://typed.example/を開くね"},
      {u"ext", {u"CMD/コマンド実行", u"@transweb.exe"}, u"@transweb.exeを実行するね"},
      {u"Http://x", {u"CMD/コマンド実行", u"Http://x"}, u"Http://xを実行するね"},
  };
  for (const Case& c : cases) {
    lines.asked.clear();
    processor.process(c.input);
    EXPECT_EQ(lines.asked, (std::vector<fakes::LineCall>{c.asked})) << toUtf8(c.input);
    EXPECT_EQ(window.characterMessage, c.message);
  }
}

// A program from the list goes to the shell as its target stands, even when
// its name is a command word and its target holds a bar; her line names it.
TEST_F(DefaultProcessorTest, AProgramFromTheListIsItsTargetAndHerLineNamesIt) {
  processor.startProgram(u"edit", u"C:\\x|y.lnk");
  EXPECT_EQ(shell.calls, (std::vector<fakes::ShellCall>{{u"C:\\x|y.lnk", u"", u""}}));
  EXPECT_EQ(window.characterMessage, u"editを実行するね");
}

TEST_F(DefaultProcessorTest, DollarPathsGoToTheBuiltInCommands) {
  struct Case {
    Text input;
    Texts opened;
  };
  const Case cases[] = {
      {u"設定", {u""}},
      {u"$PPTK_EDIT|C:\\Program Files\\new.exe", {u"C:\\Program Files\\new.exe"}},
      {u"設定|D:\\x.txt", {u"D:\\x.txt"}},
  };
  for (const Case& c : cases) {
    configForm.opened.clear();
    lines.asked.clear();
    const ExecutionResponse r = processor.process(c.input);
    EXPECT_EQ(configForm.opened, c.opened) << toUtf8(c.input);
    EXPECT_EQ(r.getDescription(), u"設定画面の要求を処理しました。");
    EXPECT_EQ(lines.asked, (std::vector<fakes::LineCall>{{u"CMD/設定", u""}}));
  }
  EXPECT_TRUE(shell.calls.empty());
}

TEST_F(DefaultProcessorTest, ATypedArgumentOverridesTheRowsAndTheLogSaysSo) {
  processor.process(u"edit | other.txt");
  EXPECT_EQ(logOf(u"DefaultProcessor.process()"),
            (Texts{
                u"メソッドを開始します。",
                u"入力値：edit | other.txt",
                u"入力コマンドをコマンドと引数に分離します。",
                u"コマンド：edit,引数：other.txt",
                u"コマンドから実行要求を取得します。",
                u"実行要求のパス情報を実行パスと引数に分離します。",
                u"パス：C:\\ed.exe,引数：memo.txt",
                u"入力コマンドで引数(other.txt)が設定済みのため、memo.txtの情報は無視されます。",
                u"要求内容：実行パス=C:\\ed.exe,引数=other.txt,作業ディレクトリ=C:\\Docs",
                u"ShellExecuteコマンドとして処理します。",
                u"応答内容：エラー=False,エラーコード=,エラーメッセージ=,連絡事項=42",
                u"メソッドを完了しました。",
            }));
}

TEST_F(DefaultProcessorTest, LogsTheUnregisteredAndTheBarlessRoads) {
  processor.process(u"notepad");
  EXPECT_EQ(logOf(u"DefaultProcessor.process()"),
            (Texts{
                u"メソッドを開始します。",
                u"入力値：notepad",
                u"入力コマンドに引数は含まれていません。",
                u"コマンド：notepad,引数：なし",
                u"コマンドから実行要求を取得します。",
                u"実行要求は取得できませんでした。入力コマンドを実行パスとして要求を生成します。",
                u"ShellExecuteコマンドとして処理します。",
                u"応答内容：エラー=False,エラーコード=,エラーメッセージ=,連絡事項=42",
                u"メソッドを完了しました。",
            }));
  clearLog();
  processor.process(u"spaced");
  const Texts logged = logOf(u"DefaultProcessor.process()");
  const Texts expectedMiddle = {
      u"パスに引数は含まれていません。",
      u"パス： C:\\a b.exe ,引数：なし",
      u"要求内容：実行パス= C:\\a b.exe ,引数=,作業ディレクトリ=",
      u"ShellExecuteコマンドとして処理します。",
  };
  EXPECT_EQ(Texts(logged.begin() + 5, logged.begin() + 9), expectedMiddle);
  EXPECT_EQ(
      logOf(u"DefaultProcessor.isBuiltInCommand()"),
      (Texts{u"メソッドを開始します。", u"入力値： C:\\a b.exe ", u"メソッドを完了しました。"}));
}

TEST_F(DefaultProcessorTest, AnExecutorThatFailsOutrightGivesTheError100) {
  shell.fail = true;
  const ExecutionResponse r = processor.process(u"notepad");
  EXPECT_TRUE(r.isError());
  EXPECT_EQ(r.getErrorCode(), u"100");
  EXPECT_EQ(r.getErrorMessage(), u"");
  EXPECT_EQ(logOf(u"DefaultProcessor.process()").back(), u"メソッドを完了しました。");
}

}  // namespace
}  // namespace pipit
