#include <gtest/gtest.h>

#include "RequestFixture.h"
#include "request/BuiltInCommandExecutor.h"

namespace pipit {
namespace {

using Strings = std::vector<std::string>;

class BuiltInCommandExecutorTest : public RequestFixture {
 protected:
  BuiltInCommandExecutorTest() {
    lines.lines[u"CMD/設定"] = u"設定するよ";
    lines.lines[u"CMD/FOCUS"] = u"なあに？";
    lines.lines[u"CMD/終了"] = u"またね";
    lines.lines[u"CMD/不明"] = u"知らないよ";
    window.characterMessage = u"前の台詞";
  }
  ExecutionResponse run(Text keyword, Text parameter = u"") {
    ExecutionRequest request;
    request.setExecutionPath(std::move(keyword));
    request.setParameter(std::move(parameter));
    return handling.builtIn.executeBuiltIn(request);
  }
};

TEST_F(BuiltInCommandExecutorTest, EachKeywordDoesItsPartAndSaysSo) {
  struct Case {
    Text keyword;
    bool error;
    Text description;
    Text errorMessage;
    Text characterMessage;
    Strings windowCalls;
  };
  const Case cases[] = {
      {u"$PPTK_EDIT", false, u"設定画面の要求を処理しました。", u"", u"設定するよ", {}},
      {u"$PPTK_HIDE",
       false,
       u"フォーム不可視の要求を処理しました。",
       u"",
       u"前の台詞",
       {"clearForm(1,0)"}},
      {u"$PPTK_RELOAD", false, u"再読み込みの要求を処理しました。", u"", u"前の台詞", {}},
      {u"$PPTK_CHANGE",
       false,
       u"モード切替要求を処理しました",
       u"",
       u"なあに？",
       {"simple=1", "visualize"}},
      {u"$pptk_edit", true, u"", u"$pptk_editは不明なビルトインコマンドです。", u"知らないよ", {}},
      {u"$", true, u"", u"$は不明なビルトインコマンドです。", u"知らないよ", {}},
      {u"$PPTK_EDIT ",
       true,
       u"",
       u"$PPTK_EDIT は不明なビルトインコマンドです。",
       u"知らないよ",
       {}},
  };
  for (const Case& c : cases) {
    window.calls.clear();
    window.simpleMode = false;
    window.characterMessage = u"前の台詞";
    const ExecutionResponse r = run(c.keyword);
    const std::string name = toUtf8(c.keyword);
    EXPECT_EQ(r.isError(), c.error) << name;
    EXPECT_EQ(r.getErrorCode(), u"") << name;
    EXPECT_EQ(r.getDescription(), c.description) << name;
    EXPECT_EQ(r.getErrorMessage(), c.errorMessage) << name;
    EXPECT_EQ(window.characterMessage, c.characterMessage) << name;
    EXPECT_EQ(window.calls, c.windowCalls) << name;
  }
  EXPECT_EQ(core.terminated, 0);
  EXPECT_TRUE(log().empty());
}

TEST_F(BuiltInCommandExecutorTest, EditHandsItsParameterToTheSettingsDialog) {
  run(u"$PPTK_EDIT");
  run(u"$PPTK_EDIT", u"C:\\new tool.exe");
  EXPECT_EQ(configForm.opened, (std::vector<Text>{u"", u"C:\\new tool.exe"}));
}

TEST_F(BuiltInCommandExecutorTest, ChangeTwiceComesBackToTheFirstStyleReloadingEachTime) {
  run(u"$PPTK_CHANGE");
  run(u"$PPTK_CHANGE");
  EXPECT_FALSE(window.simpleMode);
  // The model is loaded after the style flips and before the window redraws.
  EXPECT_EQ(lines.loads, (Strings{"simple", "normal"}));
  EXPECT_EQ(window.calls, (Strings{"simple=1", "visualize", "simple=0", "visualize"}));
}

TEST_F(BuiltInCommandExecutorTest, AStyleWhoseModelCannotBeReadIsNotSwitchedTo) {
  lines.loadFailure = Failure{53, u"ファイルが見つかりません。"};
  const ExecutionResponse response = run(u"$PPTK_CHANGE");
  EXPECT_TRUE(response.isError());
  EXPECT_EQ(response.getErrorCode(), u"53");
  EXPECT_EQ(response.getErrorMessage(), u"ファイルが見つかりません。");
  EXPECT_FALSE(window.simpleMode) << "the style goes back";
  EXPECT_EQ(window.calls, (Strings{"simple=1", "simple=0"}))
      << "no redraw in a half-switched style";
}

TEST_F(BuiltInCommandExecutorTest, ExitSaysGoodbyeWaitsInTheNormalStyleAndEnds) {
  struct Case {
    bool simple;
    int32_t delay;
    uint32_t waited;
  };
  const Case cases[] = {{false, 1500, 1500}, {true, 1500, 0}, {false, 0, 0}, {false, -5, 0}};
  for (const Case& c : cases) {
    window = fakes::FakeWindow{};
    window.simpleMode = c.simple;
    core.configuration.setHiddenDelay(c.delay);
    clock.ticks = 0xFFFFFF00u;
    const uint32_t start = clock.ticks;
    // The clock moves while the wait sleeps.
    pump.waits.clear();
    pump.delivered = 0;
    uint32_t ticksAtEnd = 0;
    core.onTerminate = [&] { ticksAtEnd = clock.ticks; };
    pump.onDeliver = [&] {
      if (!pump.waits.empty()) clock.ticks += pump.waits.back();
    };
    EXPECT_THROW(run(u"$PPTK_EXIT"), fakes::LauncherTerminated);
    EXPECT_EQ(window.txtMessage, u"またね");
    EXPECT_EQ(window.characterMessage, u"");
    EXPECT_EQ(static_cast<uint32_t>(ticksAtEnd - start), c.waited) << c.simple << c.delay;
    EXPECT_EQ(pump.delivered > 0, !c.simple) << c.simple << c.delay;
  }
  EXPECT_EQ(core.terminated, 4);
}

}  // namespace
}  // namespace pipit
