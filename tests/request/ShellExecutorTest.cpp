#include <gtest/gtest.h>

#include "RequestFixture.h"
#include "base/UrlEncode.h"
#include "platform/ShellRoutes.h"
#include "request/ShellExecutor.h"

namespace pipit {
namespace {

using Texts = std::vector<Text>;

class ShellExecutorTest : public RequestFixture {
 protected:
  ShellExecutor& executor = handling.shellExecutor;
  ExecutionResponse run(Text path, Text parameter = u"", Text directory = u"") {
    ExecutionRequest request;
    request.setExecutionPath(std::move(path));
    request.setParameter(std::move(parameter));
    request.setExecutionDirectory(std::move(directory));
    return executor.execute(request);
  }
};

TEST_F(ShellExecutorTest, AtSignExpandsIntoTheExtensionFolderBesideTheProgram) {
  struct Case {
    Text folder;
    Text path;
    Text expected;
  };
  const Case cases[] = {
      {u"C:\\Tools\\Pipit", u"@transweb.exe", u"C:\\Tools\\Pipit\\extention\\transweb.exe"},
      {u"D:\\", u"@routeweb.exe", u"D:\\extention\\routeweb.exe"},
      {u"C:\\Tools\\Pipit", u"@", u"C:\\Tools\\Pipit\\extention\\"},
      {u"C:\\Tools\\Pipit", u"@sub\\@x.exe", u"C:\\Tools\\Pipit\\extention\\sub\\@x.exe"},
      {u"C:\\Tools\\Pipit", u"notepad@.exe", u"notepad@.exe"},
      {u"C:\\Tools\\Pipit", u" @x.exe", u" @x.exe"},
      {u"C:\\Tools\\Pipit", u"＠x.exe", u"＠x.exe"},
      {u"C:\\Tools\\Pipit", u"", u""},
  };
  for (const Case& c : cases) {
    files.folder = c.folder;
    EXPECT_EQ(executor.restoreExtentionDirectory(c.path), c.expected) << toUtf8(c.path);
  }
}

TEST_F(ShellExecutorTest, ShellResultsAboveThirtyTwoSucceedAndTheRestAreErrorCodes) {
  struct Case {
    int64_t result;
    bool error;
    Text code;
    Text message;
    Text description;
  };
  const Case cases[] = {
      {33, false, u"", u"", u"33"},
      {42, false, u"", u"", u"42"},
      {2, true, u"2", u"パスが見つかりません。", u""},
      {3, true, u"3", u"", u""},
      {32, true, u"32", u"", u""},
      {0, true, u"0", u"", u""},
  };
  for (const Case& c : cases) {
    shell.result = c.result;
    const ExecutionResponse r = run(u"notepad.exe");
    EXPECT_EQ(r.isError(), c.error) << c.result;
    EXPECT_EQ(r.getErrorCode(), c.code) << c.result;
    EXPECT_EQ(r.getErrorMessage(), c.message) << c.result;
    EXPECT_EQ(r.getDescription(), c.description) << c.result;
  }
}

TEST_F(ShellExecutorTest, WebAddressesOpenANewBrowserWindowOnlyWhenAskedFor) {
  struct Case {
    Text path;
    bool newIE;
    bool available;
    bool browserAsked;
    bool shellAsked;
    Text description;
  };
  const Case cases[] = {
      {u"http://example.com/", true, true, true, false, u"100"},
      {u"https://example.com/", true, true, true, false, u"100"},
      {u"http://example.com/", false, true, false, true, u"33"},
      {u"HTTP://example.com/", true, true, false, true, u"33"},
      {u"ftp://example.com/", true, true, false, true, u"33"},
      // No automation object: the shell's browser shows the page instead.
      {u"https://example.com/", true, false, true, true, u"33"},
  };
  for (const Case& c : cases) {
    shell.calls.clear();
    browser.opened.clear();
    shell.result = 33;
    core.configuration.setNewIE(c.newIE);
    browser.available = c.available;
    const ExecutionResponse r = run(c.path, u"p", u"d");
    EXPECT_EQ(!browser.opened.empty(), c.browserAsked) << toUtf8(c.path);
    EXPECT_EQ(!shell.calls.empty(), c.shellAsked) << toUtf8(c.path);
    if (c.shellAsked) {
      EXPECT_EQ(shell.calls.front(), (fakes::ShellCall{c.path, u"p", u"d"}));
    }
    EXPECT_FALSE(r.isError());
    EXPECT_EQ(r.getDescription(), c.description) << toUtf8(c.path);
  }
}

TEST_F(ShellExecutorTest, WhatTheShellCannotTakeIsRefusedAndLongAddressesGoToTheirProgram) {
  const Text web = u"https://search.example/?q=";
  struct Case {
    Text path;
    std::size_t parameter, directory;
    Text code;
    std::size_t shellCalls, started;
  };
  const Case cases[] = {
      {Text(512, u'a'), 0, 512, u"", 1, 0},
      {Text(513, u'a'), 0, 0, u"206", 0, 0},
      {u"a.exe", 0, 513, u"206", 0, 0},
      {u"a.exe", 32758, 0, u"", 1, 0},
      {u"a.exe", 32759, 0, u"206", 0, 0},
      // Too long for the browser object as well: the new window is skipped.
      {web + Text(8000, u'a'), 1, 1, u"", 0, 1},
      {web + Text(32766, u'a'), 0, 0, u"206", 0, 0},
      // Every scheme with a program registered takes the same road.
      {u"mailto:a@example.jp?body=" + Text(600, u'a'), 0, 0, u"", 0, 1},
      {u"ftp://example.jp/" + Text(600, u'a'), 0, 0, u"206", 0, 0},
      // A file address opens the path it names, where that fits.
      {u"file:///C:/" + urlEncode(Text(60, u'天')), 0, 0, u"", 1, 0},
      {u"file:///C:/" + Text(600, u'a'), 0, 0, u"206", 0, 0},
  };
  core.configuration.setNewIE(true);
  for (const Case& c : cases) {
    shell.calls.clear();
    shell.started.clear();
    const ExecutionResponse r = run(c.path, Text(c.parameter, u'p'), Text(c.directory, u'd'));
    EXPECT_EQ(r.getErrorCode(), c.code) << c.path.size();
    EXPECT_EQ(r.getErrorMessage(),
              c.code.empty() ? u"" : u"文字列が長すぎるため、実行できませんでした。");
    EXPECT_EQ(shell.calls.size(), c.shellCalls) << c.path.size();
    EXPECT_EQ(shell.started.size(), c.started) << c.path.size();
  }
  EXPECT_TRUE(browser.opened.empty());
}

TEST_F(ShellExecutorTest, AShortcutTheShellRefusesStartsItsTargetTheWayTheShortcutWould) {
  const Text link = u"C:\\Menu\\Café.lnk", app = u"C:\\Café\\app.exe", dir = u"C:\\Café";
  shell.shortcuts = {{link, {app, u"-x", dir}}, {link + u".exe", {app, u"", u""}}};
  // path, parameter, the answers to it and its target, last call, code
  const std::tuple<Text, Text, int64_t, int64_t, fakes::ShellCall, Text> cases[] = {
      {link, u"", 42, 33, {link, u"", u"D:\\"}, u""},
      {link, u"p", 31, 33, {app, u"-x p", dir}, u""},
      {link, u"", 31, 2, {app, u"-x", dir}, u"2"},  // the target's answer is told
      {u"C:\\Gone.LNK", u"", 31, 33, {u"C:\\Gone.LNK", u"", u"D:\\"}, u"31"},
      {link + u".exe", u"", 31, 33, {link + u".exe", u"", u"D:\\"}, u"31"},
  };
  for (const auto& [path, parameter, linkResult, appResult, last, code] : cases) {
    shell.result = linkResult;
    shell.resultFor = {{app, appResult}};
    EXPECT_EQ(run(path, parameter, u"D:\\").getErrorCode(), code) << toUtf8(path);
    EXPECT_EQ(shell.calls.back(), last) << toUtf8(path) << linkResult;
  }
}

TEST(ShellRoutesTest, TheAddressTakesThePlaceOfTheHandlersPlaceholderAsOneArgument) {
  struct Case {
    Text command, address, expected;
  };
  const Case cases[] = {
      {u"\"C:\\b.exe\" \"%1\"", u"https://a/?q=1", u"\"C:\\b.exe\" \"https://a/?q=1\""},
      {u"b.exe --single-argument %L %*", u"https://a/", u"b.exe --single-argument https://a/ "},
      {u"b.exe -nohome", u"https://a/", u"b.exe -nohome \"https://a/\""},
      {u"%ProgramFiles%\\b.exe 100%% \"%1\" %2", u"https://a/b c\"d\\",
       u"%ProgramFiles%\\b.exe 100% \"https://a/b%20c%22d\\\\\" "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(handlerCommandLine(c.command, c.address), c.expected) << toUtf8(c.command);
  }
  EXPECT_TRUE(handlerCommandLine(u"b.exe %1", Text(kLongestCommandLine - 6, u'a')));
  EXPECT_FALSE(handlerCommandLine(u"b.exe %1", Text(kLongestCommandLine - 5, u'a')));
  EXPECT_EQ(schemeOf(u"https://a/"), u"https");
  EXPECT_EQ(schemeOf(u"C:\\a:b"), u"");
  EXPECT_EQ(pathOfFileAddress(u"FILE:///C:/a%20b/%E5%A4%A9?q#f"), u"C:\\a b\\天");
  EXPECT_EQ(pathOfFileAddress(u"file://server/share/𠀋"), u"\\\\server\\share\\𠀋");
  for (const TextView bad : {u"file:///C:/%E5%A4", u"file:///C:/%4", u"https://a/"})
    EXPECT_FALSE(pathOfFileAddress(bad)) << toUtf8(bad);
}

TEST_F(ShellExecutorTest, LogsEveryStepOfTheShellCall) {
  shell.result = 2;
  run(u"@nothing.exe", u"a b", u"C:\\");
  EXPECT_EQ(
      log(),
      (Texts{
          u"ShellExecutor.execute() メソッドを開始します。",
          // One record, written over two lines.
          u"ShellExecutor.execute() ShellExecuteします。：実行パス=@nothing.exe,引数=a "  // NOLINT
          u"b,作業ディレクトリ=C:\\",
          u"ShellExecutor.execute() 通常のパスとして処理します",
          u"ShellExecutor.restoreExtentionDirectory() メソッドを開始します。",
          u"ShellExecutor.restoreExtentionDirectory() "
          u"パスの先頭に@を見つけました。拡張機能ディレクトリのパスに展開します",
          u"ShellExecutor.restoreExtentionDirectory() "
          u"返却するパス：C:\\Tools\\Pipit\\extention\\nothing.exe",
          u"ShellExecutor.restoreExtentionDirectory() メソッドを完了しました。",
          u"ShellExecutor.execute() ShellExecute関数へ処理を委譲します",
          u"ShellExecutor.execute() ShellExecuteの実行結果（異常）：2",
          u"ShellExecutor.execute() "
          u"応答内容：エラー=True,エラーコード=2,エラーメッセージ=パスが見つかりません。,連絡事項=",
          u"ShellExecutor.execute() メソッドを完了しました。",
      }));
}

TEST_F(ShellExecutorTest, LogsTheNewWindowAndTheFallbackToTheShell) {
  core.configuration.setNewIE(true);
  browser.available = false;
  run(u"http://a.example/");
  EXPECT_EQ(logOf(u"ShellExecutor.execute()"),
            (Texts{
                u"メソッドを開始します。",
                u"ShellExecuteします。：実行パス=http://a.example/,引数=,作業ディレクトリ=",
                u"新規IE起動のURLとして処理します",
                u"新規IEを起動できませんでした。通常のパスとして処理します",
                u"ShellExecute関数へ処理を委譲します",
                u"ShellExecuteの実行結果（正常）：42",
                u"応答内容：エラー=False,エラーコード=,エラーメッセージ=,連絡事項=42",
                u"メソッドを完了しました。",
            }));
  clearLog();
  browser.available = true;
  run(u"http://a.example/");
  EXPECT_EQ(logOf(u"ShellExecutor.execute()"),
            (Texts{
                u"メソッドを開始します。",
                u"ShellExecuteします。：実行パス=http://a.example/,引数=,作業ディレクトリ=",
                u"新規IE起動のURLとして処理します",
                u"ShellExecuteの実行結果（正常）：100",
                u"応答内容：エラー=False,エラーコード=,エラーメッセージ=,連絡事項=100",
                u"メソッドを完了しました。",
            }));
}

}  // namespace
}  // namespace pipit
