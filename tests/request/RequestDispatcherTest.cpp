#include <gtest/gtest.h>

#include "RequestFixture.h"
#include "request/RequestDispatcher.h"

namespace pipit {
namespace {

using Texts = std::vector<Text>;

TEST(RequestDispatcherModeTest, SchemesAndQuestionMarksDecideTheMode) {
  const std::pair<Text, int32_t> cases[] = {
      {u"http://example.com", 1},
      {u"https://example.com", 1},
      {u"http://", 1},
      {u"HTTP://example.com", 0},
      {u"Https://example.com", 0},
      {u"http:/x", 0},
      {u"https:", 0},
      {u" http://example.com", 0},
      {u"?天気", 2},
      {u"？天気", 2},
      {u"?", 2},
      {u"？", 2},
      {u" ?天気", 0},
      {u"天気?", 0},
      {u"", 0},
      {u"|", 0},
      {u"$", 0},
      {Text(1, char16_t(0xD800)), 0},
  };
  for (const auto& [input, mode] : cases) {
    EXPECT_EQ(RequestDispatcher::getMode(input), mode) << toUtf8(input);
  }
}

class RequestDispatcherTest : public RequestFixture {
 protected:
  RequestDispatcherTest() {
    lines.lines[u"CMD/URL"] = u"[コマンド]を開くね";
    lines.lines[u"CMD/SEARCH"] = u"[コマンド]を探すね";
    lines.lines[u"CMD/コマンド実行"] = u"[コマンド]を実行";
    lines.lines[u"こんにちは"] = u"こんにちは！[コマンド]";
    lines.lines[u"CMD/不明"] = u"知らない";
  }
  RequestDispatcher& dispatcher = handling.dispatcher;
};

TEST_F(RequestDispatcherTest, EachModeReachesItsProcessorWithItsLine) {
  struct Case {
    Text input;
    fakes::LineCall line;
    Text opened;  // what the shell was asked to open
  };
  const Case cases[] = {
      {u"http://example.com/ ", {u"CMD/URL", u"http://example.com/ "}, u"http://example.com/"},
      {u"?a b", {u"CMD/SEARCH", u"a b"}, u"https://search.example/?q=a+b"},
      {u"？ 天気", {u"CMD/SEARCH", u" 天気"}, u"https://search.example/?q=+%E5%A4%A9%E6%B0%97"},
      {u"?", {u"CMD/SEARCH", u""}, u"https://search.example/?q="},
      {u"HTTP://example.com/",
       {u"CMD/コマンド実行", u"HTTP://example.com/"},
       u"HTTP://example.com/"},
      {u" ?x", {u"CMD/コマンド実行", u"?x"}, u"?x"},
  };
  for (const Case& c : cases) {
    shell.calls.clear();
    lines.asked.clear();
    const ExecutionResponse r = dispatcher.dispatch(c.input);
    EXPECT_FALSE(r.isError()) << toUtf8(c.input);
    EXPECT_EQ(r.getDescription(), u"42");
    ASSERT_FALSE(lines.asked.empty()) << toUtf8(c.input);
    EXPECT_EQ(lines.asked.front(), c.line) << toUtf8(c.input);
    ASSERT_EQ(shell.calls.size(), 1u) << toUtf8(c.input);
    EXPECT_EQ(shell.calls[0].file, c.opened) << toUtf8(c.input);
  }
}

TEST_F(RequestDispatcherTest, ASearchInANewBrowserWindowAnswers100) {
  core.configuration.setNewIE(true);
  const ExecutionResponse r = dispatcher.dispatch(u"?天気");
  EXPECT_EQ(browser.opened, (Texts{u"https://search.example/?q=%E5%A4%A9%E6%B0%97"}));
  EXPECT_EQ(r.getDescription(), u"100");
  EXPECT_EQ(window.characterMessage, u"天気を探すね");
}

TEST_F(RequestDispatcherTest, AFailedStartFallsBackToConversation) {
  struct Case {
    Text input;
    int64_t shellResult;
    bool error;
    Text code;
    Text message;
    Text description;
    Text characterMessage;
  };
  const Case cases[] = {
      // Found: the line replaces the error, placeholder filled with nothing.
      {u"  こんにちは  ", 2, false, u"", u"", u"こんにちは！", u"こんにちは！"},
      // Even a response key answers when typed.
      {u"CMD/URL", 2, false, u"", u"", u"を開くね", u"を開くね"},
      // Not trimmed beyond blanks: the miss keeps the shell's error.
      {u"\tこんにちは", 2, true, u"2", u"パスが見つかりません。", u"", u"\tこんにちはを実行"},
      {u"\u3000こんにちは", 31, true, u"31", u"", u"", u"\u3000こんにちはを実行"},
      // A start that works never asks for conversation.
      {u"こんにちは", 33, false, u"", u"", u"33", u"こんにちはを実行"},
  };
  for (const Case& c : cases) {
    shell.result = c.shellResult;
    lines.asked.clear();
    const ExecutionResponse r = dispatcher.dispatch(c.input);
    const std::string name = toUtf8(c.input);
    EXPECT_EQ(r.isError(), c.error) << name;
    EXPECT_EQ(r.getErrorCode(), c.code) << name;
    EXPECT_EQ(r.getErrorMessage(), c.message) << name;
    EXPECT_EQ(r.getDescription(), c.description) << name;
    EXPECT_EQ(window.characterMessage, c.characterMessage) << name;
    const bool conversed = lines.asked.size() == 2;
    EXPECT_EQ(conversed, c.shellResult <= 32) << name;
    if (conversed) {
      EXPECT_EQ(lines.asked[1], (fakes::LineCall{trimBlanks(c.input), u""}));
    }
  }
}

TEST_F(RequestDispatcherTest, UnknownKeywordKeepsItsErrorUnlessTheTextIsAConversationKey) {
  const ExecutionResponse miss = dispatcher.dispatch(u"$PPTK_NOTHING");
  EXPECT_TRUE(miss.isError());
  EXPECT_EQ(miss.getErrorMessage(), u"$PPTK_NOTHINGは不明なビルトインコマンドです。");
  EXPECT_EQ(window.characterMessage, u"知らない");
  lines.lines[u"$PPTK_NOTHING"] = u"それは無いよ";
  const ExecutionResponse found = dispatcher.dispatch(u"$PPTK_NOTHING");
  EXPECT_FALSE(found.isError());
  EXPECT_EQ(window.characterMessage, u"それは無いよ");
}

TEST_F(RequestDispatcherTest, LogsTheRoadWordForWord) {
  shell.result = 2;
  dispatcher.dispatch(u"?x");
  EXPECT_EQ(logOf(u"RequestDispatcher.dispatch()"),
            (Texts{u"メソッドを開始します。", u"入力値：?x", u"モード：2",
                   u"出力値（異常）：パスが見つかりません。(2)：", u"メソッドを完了しました。"}));
  EXPECT_EQ(
      logOf(u"GoogleProcessor.process()"),
      (Texts{
          u"メソッドを開始します。", u"検索文字列：x",
          u"URLProcessorで処理します：https://search.example/?q=x",
          u"応答内容：エラー=True,エラーコード=2,エラーメッセージ=パスが見つかりません。,連絡事項=",
          u"メソッドを完了しました。"}));
  EXPECT_EQ(
      logOf(u"URLProcessor.process()"),
      (Texts{
          u"メソッドを開始します。", u"入力値：https://search.example/?q=x",
          u"応答内容：エラー=True,エラーコード=2,エラーメッセージ=パスが見つかりません。,連絡事項=",
          u"メソッドを完了しました。"}));
  EXPECT_EQ(logOf(u"NaturalProcessor.process()"),
            (Texts{u"メソッドを開始します。", u"会話文字列：?x",
                   u"応答内容：エラー=True,エラーコード=,エラーメッセージ=,連絡事項=",
                   u"メソッドを完了しました。"}));
  clearLog();
  shell.result = 33;
  dispatcher.dispatch(u"http://a/");
  EXPECT_EQ(logOf(u"RequestDispatcher.dispatch()"),
            (Texts{u"メソッドを開始します。", u"入力値：http://a/", u"モード：1",
                   u"出力値（正常）：33", u"メソッドを完了しました。"}));
}

TEST_F(RequestDispatcherTest, NoResponseBecomesTheError99) {
  lines.fail = true;  // the line lookup breaks before the processor answers
  const ExecutionResponse r = dispatcher.dispatch(u"http://a/");
  EXPECT_TRUE(r.isError());
  EXPECT_EQ(r.getErrorCode(), u"99");
  EXPECT_EQ(r.getErrorMessage(), u"");
  EXPECT_EQ(logOf(u"RequestDispatcher.dispatch()"),
            (Texts{u"メソッドを開始します。", u"入力値：http://a/", u"モード：1",
                   u"プロセッサからの戻り値がありませんでした。エラー情報を生成します。",
                   u"出力値（異常）：(99)：", u"メソッドを完了しました。"}));
}

TEST_F(RequestDispatcherTest, AnyInputGetsAResponse) {
  Text controls;
  for (char16_t c = 0; c < 0x20; ++c) controls.push_back(c);
  controls.push_back(0x7F);
  const Text inputs[] = {
      u"",
      u" ",
      u"      ",
      u"|",
      u"||",
      u"$",
      u"$|",
      u"?",
      u"？",
      u"@",
      Text(100000, u'あ'),
      u"?" + Text(100000, u'\u3042'),
      u"http://" + Text(100000, u'x'),
      Text(100000, u'|'),
      Text(1, char16_t(0xD800)) + u"|" + Text(1, char16_t(0xDFFF)),
      u"?" + Text(1, char16_t(0xDC00)),
      controls,
      u"$PPTK_EDIT|" + controls,
  };
  for (const bool newIE : {false, true}) {
    core.configuration.setNewIE(newIE);
    for (const int64_t result : {int64_t{2}, int64_t{33}}) {
      shell.result = result;
      for (const Text& input : inputs) {
        const ExecutionResponse r = dispatcher.dispatch(input);
        EXPECT_TRUE(r.isError() ? !r.getErrorCode().empty() || r.getErrorMessage().size() > 0
                                : !r.getDescription().empty())
            << input.size();
      }
    }
  }
}

}  // namespace
}  // namespace pipit
