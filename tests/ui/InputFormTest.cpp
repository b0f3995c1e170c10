// The character window's behaviour against a fake window, fake lines and a
// scripted dispatcher.
#include <gtest/gtest.h>

#include "FakeCharacterWindowView.h"
#include "base/Path.h"
#include "fakes/FakePictures.h"
#include "fakes/FakePorts.h"
#include "fakes/FakeRequestPorts.h"
#include "fakes/LogRecords.h"
#include "request/BuiltInCommandExecutor.h"
#include "ui/FormUtility.h"
#include "ui/InputForm.h"
#include "ui/PicturePath.h"
#include "ui/ScreenPlacement.h"

namespace pipit {
namespace {

using fakes::FakeCharacterWindowView;

// Time moves on by 100 ms at every look, so a wait always ends.
class SteppingClock : public fakes::FakeClock {
 public:
  uint32_t tickCount() const override { return now_ += 100; }

 private:
  mutable uint32_t now_ = 0;
};

class InputFormTest : public ::testing::Test {
 protected:
  InputFormTest() {
    fakes::putModel(files, settings);
    (void)settings.set(u"CONF/FORM_HEIGHT", u"300");
    lines.lines = {{u"CMD/FOCUS", u"focus"}, {u"CMD/エラー", u"oops[コマンド]"}};
    core.configuration.setHiddenMode(true);
    core.configuration.setHiddenDelay(3000);
    core.configuration.setHotKeyMod(u"CTRL");
    core.configuration.setHotKeyValue(u"Z");
    logger.setDebugMode(true);
  }

  std::vector<Text> log() { return fakes::logRecords(files, cp); }
  static ExecutionResponse error(Text message, Text code) {
    ExecutionResponse r;
    r.setError(true);
    r.setErrorMessage(std::move(message));
    r.setErrorCode(std::move(code));
    return r;
  }

  fakes::FakeFiles files;
  fakes::FakePictures pictures{files};
  SteppingClock clock;
  fakes::FakeEventPump pump;
  fakes::FakeDialogs dialogs;
  fakes::FakeProcess process;
  fakes::FakeCore core;
  fakes::FakeLines lines;
  CodePage cp = CodePage::named("CP932");
  Logger logger{files, clock, cp};
  ModelSettings settings;
  FakeCharacterWindowView view;
  ScaledPictures scaledPictures{pictures, view};
  SimpleMode simpleMode;
  CharacterPictures characterPictures{
      {view, logger, dialogs, process, files, scaledPictures, simpleMode}};
  Blinker blinker{view, characterPictures};
  fakes::FakeWallClock wallClock{1'800'000'000};
  UsageScores usage{files, wallClock};
  std::vector<Text> dispatched;
  std::vector<Text> started;  // "name|target"
  std::vector<Text> offered;  // "command|path"
  int indexStarts = 0;
  std::vector<std::pair<RowAction, Text>> acted;
  std::vector<SystemCommand> ran;
  bool systemFails = false;
  std::function<ExecutionResponse(const Text&)> respond;
  InputForm form{
      {view, view, core, logger, dialogs, clock, pump, usage},
      {simpleMode, characterPictures, blinker},
      {lines, settings},
      {[this](const Text& input) {
         dispatched.push_back(input);
         return respond ? respond(input) : ExecutionResponse{};
       },
       [this](const Text& name, const Text& target) {
         started.push_back(name + u"|" + target);
         return respond ? respond(name) : ExecutionResponse{};
       },
       [this](const Text& path, const Text& command) {
         offered.push_back(command + u"|" + path);
         return ExecutionResponse{};
       },
       [this](RowAction action, const Text& path) {
         acted.push_back({action, path});
         return respond ? respond(path) : ExecutionResponse{};
       },
       [this](SystemCommand command) {
         ran.push_back(command);
         return systemFails ? Status(Failure{1314, u"特権がありません。"}) : Status::success();
       },
       [this] { ++indexStarts; }}};
};

TEST_F(InputFormTest, StartUpLaysHerOutAtTheStoredPlaceWithOneHotKeyAndTheWordList) {
  core.addCommand(u"memo", u"notepad.exe");
  core.addCommand(u"[区切り線]", u"");
  core.addCommand(u"memo", u"other.exe");
  core.configuration.setFormLeft(1205);  // no pixel of its own
  core.configuration.setFormTop(2400);
  view.twipsPerPixel = 12;  // 120 dpi: not the 15 of a 96-dpi screen
  form.init(true);
  form.init(false);

  EXPECT_EQ(view.at, (PixelPoint{100, 200}));
  EXPECT_EQ(form.left(), 1205.0f);
  view.at = {10, 200};  // dragged away: the file gets where she is now
  EXPECT_EQ(form.left(), 120.0f);
  EXPECT_EQ(view.hotKeys, 1);
  EXPECT_EQ(view.words, (std::vector<Text>{u"memo", u"memo"}));
  EXPECT_EQ(view.layout->formWidth, 250);
  EXPECT_TRUE(dialogs.shown.empty());
  // Hidden mode: init hides her again at once; the greeting shows her. She
  // blinks only while she is seen.
  EXPECT_FALSE(view.visible);
  EXPECT_FALSE(view.timers.count(TimerId::Visual));
  form.doHotkeyAction();
  EXPECT_TRUE(view.visible);
  EXPECT_EQ(view.timers[TimerId::Visual], 50u);
  EXPECT_TRUE(view.focused);
  EXPECT_EQ(view.message, u"focus");
}

// Her screen's scale picks the set each picture is drawn from and sizes her;
// a stored position keeps meaning twips at the system's scale.
TEST_F(InputFormTest, AtEveryScaleSheIsDrawnFromTheNearestSetAndStandsWhereSheWasStored) {
  struct Row {
    int32_t dpi;
    std::vector<int32_t> drawnFor;  // besides 100 %
    const char16_t* shown;
    int32_t width;
  };
  const Row rows[] = {
      {96, {150}, u"main.gif", 40},
      {144, {150, 200}, u"main@150.gif", 60},
      {144, {200}, u"main@200.gif", 60},  // the nearest larger, made smaller
      {144, {125}, u"main@125.gif", 60},  // none larger: the nearest smaller
      {144, {}, u"main.gif", 60},         // a model drawn for 100 % only
      {168, {150, 200}, u"main@200.gif", 70},
      {240, {200}, u"main@200.gif", 100},  // beyond every set
  };
  core.configuration.setFormLeft(1440);
  core.configuration.setFormTop(2880);
  const Text main = fakes::modelPicture(files, u"model", u"main.gif");
  for (const Row& row : rows) {
    for (int32_t drawn : row.drawnFor) {
      files.content[scaledPictureName(main, drawn)] =
          fakes::FakePictures::gif(atScale(40, drawn), atScale(12, drawn));
    }
    view.screenDpi = row.dpi;
    view.twipsPerPixel = 1440.0 / row.dpi;
    form.init(true);

    const int32_t percent = scalePercent(row.dpi);
    const auto* shown = dynamic_cast<const fakes::FakePicture*>(view.windowPicture.get());
    ASSERT_TRUE(shown) << row.dpi;
    EXPECT_TRUE(shown->path.ends_with(row.shown)) << row.dpi << " " << row.width;
    EXPECT_EQ(shown->width(), row.width) << row.dpi;
    EXPECT_EQ(view.layout->formWidth, atScale(250, percent)) << row.dpi;
    EXPECT_EQ(view.imageAt[ImageId::EyesClosed].x, atScale(7, percent)) << row.dpi;
    EXPECT_EQ(view.at, (PixelPoint{row.dpi, 2 * row.dpi})) << row.dpi;
    for (int32_t drawn : row.drawnFor) files.content.erase(scaledPictureName(main, drawn));
  }

  // Dragged to a screen of another scale: her lines' pictures are read
  // again and she is laid out for it.
  lines.loads.clear();
  view.screenDpi = 96;
  form.onScaleChanged();
  EXPECT_EQ(lines.loads.size(), 1u);
  EXPECT_EQ(view.layout->formWidth, 250);
}

TEST_F(InputFormTest, AHotKeyThatCannotBeRegisteredIsExplainedOnce) {
  view.refuseHotKey = true;
  form.init(true);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].title, u"ホットキーが登録できません");
  EXPECT_EQ(
      dialogs.shown[0].prompt,
      u"ホットキーの登録に失敗しました。CTRL+Zは他のプログラムで使用されている可能性があります"
      u"ので、設定画面を開いて割り当てを変更してください。\r\n※ホットキー以外に、"
      u"タスクトレイアイコンからも表示させることができます");
  EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
}

TEST_F(InputFormTest, ASuccessShowsHerLineAndHidesAfterTheDelay) {
  form.init(true);
  form.doHotkeyAction();
  form.setCharacterMessage(u"done");
  view.input = u"memo";
  form.ExecutionButton_Click();
  EXPECT_EQ(dispatched, (std::vector<Text>{u"memo"}));
  EXPECT_EQ(view.message, u"done");
  EXPECT_EQ(view.input, u"");
  EXPECT_FALSE(view.visible);
  EXPECT_GT(pump.delivered, 0);  // she waited, delivering events
  EXPECT_EQ(log().back(), u"ExecutionButton_Click レスポンスは正常終了のものです");
}

TEST_F(InputFormTest, AnErrorShowsHerAgainWithTheDetailAndOffersASearch) {
  form.init(true);
  respond = [](const Text&) { return error(u"登録されていません", u"99"); };
  view.input = u"nosuch";
  form.ExecutionButton_Click();
  EXPECT_TRUE(view.visible);
  EXPECT_EQ(view.message, u"oops\r\n登録されていません(99)");
  EXPECT_EQ(view.input, u"?nosuch");
  EXPECT_TRUE(view.inputSelected);
  EXPECT_TRUE(dialogs.shown.empty());

  // The simple style has no text box: the line also comes as a plain box.
  form.setSimpleMode(true);
  form.ExecutionButton_Click();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].prompt, u"oops\r\n登録されていません(99)");
  EXPECT_EQ(dialogs.shown[0].title, u"");
  EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::None);
}

TEST_F(InputFormTest, TheHideResponseAndAnEmptyBoxChangeNothingMore) {
  form.init(true);
  form.doHotkeyAction();
  view.message = u"before";
  form.ExecutionButton_Click();
  EXPECT_TRUE(dispatched.empty());

  respond = [](const Text&) {
    ExecutionResponse r;
    r.setDescription(Text(BuiltInCommandExecutor::kHiddenDescription));
    return r;
  };
  view.input = u"$PPTK_HIDE";
  form.ExecutionButton_Click();
  EXPECT_EQ(view.message, u"before");
  EXPECT_EQ(view.input, u"$PPTK_HIDE");  // the keyword itself emptied it
  EXPECT_EQ(log().back(), u"ExecutionButton_Click レスポンスは非表示コマンドのものです");
}

TEST_F(InputFormTest, WhatHappensDuringTheHideDelayDecidesWhetherSheHides) {
  form.init(true);
  form.doHotkeyAction();
  view.input = u"memo";
  // The hot key during the wait keeps her.
  pump.onDeliver = [this] {
    pump.onDeliver = nullptr;
    form.doHotkeyAction();
  };
  form.ExecutionButton_Click();
  EXPECT_TRUE(view.visible);

  // Enter again during the wait: the inner command's own clearForm resets
  // the cancel, so the outer wait ends in a hide.
  view.input = u"memo";
  pump.onDeliver = [this] {
    pump.onDeliver = nullptr;
    form.doHotkeyAction();
    view.input = u"memo";
    form.ExecutionButton_Click();
  };
  form.ExecutionButton_Click();
  EXPECT_EQ(dispatched.size(), 3u);
  EXPECT_FALSE(view.visible);

  // The simple style hides at once, without waiting.
  form.doHotkeyAction();
  form.setSimpleMode(true);
  pump.delivered = 0;
  view.input = u"memo";
  form.ExecutionButton_Click();
  EXPECT_FALSE(view.visible);
  EXPECT_EQ(pump.delivered, 0);
}

TEST_F(InputFormTest, EscapeAndDropsAndTheCommandMenuUseTheSameRoad) {
  core.addCommand(u"a&b", u"x.exe");
  core.addCommand(u"[区切り線]", u"");
  form.init(true);
  form.commandMenu().init();
  form.doHotkeyAction();
  view.input = u"half typed";
  form.onEscape();
  EXPECT_EQ(view.input, u"");
  EXPECT_FALSE(view.visible);

  form.onFilesDropped(u"C:\\Tools\\app.exe");
  view.menuChoice = 1;  // the separator cannot be chosen
  form.onRightButton();
  view.menuChoice = 0;
  form.onRightButton();
  EXPECT_EQ(dispatched, (std::vector<Text>{u"$PPTK_EDIT|C:\\Tools\\app.exe", u"a&b"}));
  EXPECT_EQ(view.menus.back(), (std::vector<MenuItem>{{u"a&b", false}, {u"", true}}));
}

TEST_F(InputFormTest, TheAnswerAndEscapeGiveTheWholeListBackClosed) {
  core.addCommand(u"ゴミメモ", u"a.exe");
  core.addCommand(u"メモ帳", u"b.exe");
  form.init(true);
  form.doHotkeyAction();
  const std::vector<Text> all{u"ゴミメモ", u"メモ帳"};

  // Enter sends the box as it stands; the answer and Escape give the whole
  // list back, closed.
  view.input = u"memo";
  form.onInputEdited();
  respond = [](const Text&) { return error(u"none", u"99"); };
  form.ExecutionButton_Click();
  EXPECT_EQ(dispatched, (std::vector<Text>{u"memo"}));
  EXPECT_EQ(view.input, u"?memo");
  EXPECT_FALSE(view.listOpen);
  EXPECT_EQ(view.words, all) << "the list narrows on typing only, not on her \"?\"";
  form.onEscape();
  EXPECT_EQ(view.words, all);
  EXPECT_FALSE(view.listOpen);
}

class FakeTrayView : public TrayView {
 public:
  int icons = 0;
  std::optional<Failure> refuse;
  std::optional<std::size_t> choice;
  std::vector<std::vector<MenuItem>> menus;
  Status addIcon() override {
    if (refuse) return *refuse;
    ++icons;
    return Status::success();
  }
  void removeIcon() override { --icons; }
  std::optional<std::size_t> popupMenu(const std::vector<MenuItem>& items) override {
    menus.push_back(items);
    return choice;
  }
};

TEST_F(InputFormTest, TheTrayShowsHidesAndAsksBeforeEnding) {
  FakeTrayView trayView;
  TrayMenu tray(trayView, form, core, {dialogs, logger, process});
  form.init(true);
  tray.init();
  tray.onIconMessage(0x203);  // a double click acts through its button-down only
  EXPECT_FALSE(view.visible);
  tray.onIconMessage(TrayMenu::kLeftButtonDown);
  EXPECT_TRUE(view.visible);

  view.input = u"typed";
  trayView.choice = 1;
  tray.onIconMessage(TrayMenu::kRightButtonDown);
  EXPECT_EQ(trayView.menus.back(), (std::vector<MenuItem>{{u"表示"}, {u"非表示"}, {u"終了"}}));
  EXPECT_FALSE(view.visible);
  EXPECT_EQ(view.input, u"");

  trayView.choice = 2;
  dialogs.answer = MessageAnswer::Cancel;
  tray.onIconMessage(TrayMenu::kRightButtonDown);
  EXPECT_EQ(dialogs.shown.back().prompt, u"ピピットランチャーを終了します。よろしいですか？");
  EXPECT_EQ(dialogs.shown.back().title, u"終了の確認");
  EXPECT_EQ(core.terminated, 0);
  dialogs.answer = MessageAnswer::Ok;
  EXPECT_THROW(tray.onIconMessage(TrayMenu::kRightButtonDown), fakes::LauncherTerminated);

  // Explorer restarted: the icon comes back, once.
  tray.onTaskbarCreated();
  EXPECT_EQ(trayView.icons, 2);
  tray.terminate();
  tray.onTaskbarCreated();
  EXPECT_EQ(trayView.icons, 1);
}

// Her icon is read for the tray, after her first show: one that does not
// read ends start-up as a broken picture of hers does.
TEST_F(InputFormTest, AnIconTheTrayCannotTakeEndsStartUpWithHerWindowsBox) {
  FakeTrayView trayView;
  trayView.refuse = Pictures::invalidPicture();
  TrayMenu tray(trayView, form, core, {dialogs, logger, process});
  form.init(true);
  int code = 0;
  try {
    tray.init();
  } catch (const fakes::ProcessExited& exited) {
    code = exited.code;
  }
  EXPECT_EQ(code, 1);
  ASSERT_FALSE(dialogs.shown.empty());
  EXPECT_EQ(dialogs.shown.back().title, u"メインフォーム初期化失敗");
  EXPECT_EQ(log().back(), u"InputForm.visualize() メインフォーム初期化エラー:" +
                              Pictures::invalidPicture().toText());
}

TEST_F(InputFormTest, OnceShutdownHasBegunNoRoadShowsHerOrStartsAnything) {
  FakeTrayView trayView;
  TrayMenu tray(trayView, form, core, {dialogs, logger, process});
  form.init(true);
  core.terminating = true;  // the box of a failed save at close is up
  view.input = u"memo";
  form.doHotkeyAction();
  for (const uint32_t button : {TrayMenu::kLeftButtonDown, TrayMenu::kRightButtonDown})
    tray.onIconMessage(button);
  form.onRightButton();
  form.ExecutionButton_Click();
  form.onClose();
  EXPECT_FALSE(view.visible);
  EXPECT_TRUE(trayView.menus.empty() && view.menus.empty() && dispatched.empty());
  EXPECT_EQ(core.terminated, 0);
}

TEST(FormUtilityTest, KeyNamesAreExactAndSingle) {
  const std::vector<std::pair<Text, int>> cases = {
      {u"ALT", 1},  {u"CTRL", 2}, {u"SHIFT", 4}, {u"0", 0x30},     {u"9", 0x39},
      {u"A", 0x41}, {u"Z", 0x5A}, {u"ctrl", 0},  {u"CTRL+ALT", 0}, {u"", 0},
      {u"a", 0},    {u"F1", 0},   {u"Ａ", 0}};
  for (const auto& [name, code] : cases) EXPECT_EQ(getKeyCode(name), code) << toUtf8(name);
}

// Left 1024x768 with its taskbar along the bottom, right 800x600 higher up.
TEST(ScreenPlacementTest, SheStaysWhereStoredWhileAGripOfHerIsOnAMonitor) {
  const std::vector<Screen> screens = {{{0, 0, 1024, 768}, {0, 0, 1024, 738}},
                                       {{1024, -100, 800, 600}, {1024, -100, 800, 600}}};
  struct Case {
    PixelPoint wanted, size, placed;
  };
  for (const Case& c : {
           Case{{900, 100}, {250, 300}, {900, 100}},      // across both monitors
           Case{{-200, 10}, {250, 300}, {-200, 10}},      // parked past the left edge
           Case{{100, 700}, {250, 300}, {100, 700}},      // over the taskbar
           Case{{1792, 468}, {250, 300}, {1792, 468}},    // a corner just grip-sized
           Case{{-219, 10}, {250, 300}, {0, 10}},         // 31 pixels: out of reach
           Case{{1000, 480}, {250, 300}, {774, 438}},     // too little on each side
           Case{{3000, 100}, {250, 300}, {1574, 100}},    // a monitor gone: the nearest
           Case{{-5000, -5000}, {250, 300}, {0, 0}},      // the nearest is the primary
           Case{{-3000, 100}, {2000, 100}, {0, 100}},     // wider than a monitor
           Case{{2147483600, 0}, {250, 300}, {1574, 0}},  // no wrap near the range's end
           Case{{1010, 600}, {20, 20}, {1004, 600}},      // smaller than a grip: whole
       }) {
    EXPECT_EQ(keepReachable(c.wanted, c.size, 32, screens), c.placed)
        << c.wanted.x << "," << c.wanted.y;
  }
}

// A program chosen in the list takes its own road, traced by the row chosen
// and not by its text, and is counted when it starts; typed text, also one
// that reads like a program's name, and F2 on it, neither start nor count
// anything. The row's actions go to it alone.
TEST_F(InputFormTest, AProgramChosenInTheListStartsItselfAndIsCounted) {
  core.addCommand(u"メモ", u"memo.exe");
  form.init(true);
  const auto type = [this](const Text& typed, std::optional<std::size_t> row = std::nullopt) {
    view.input = typed;
    view.selected.reset();
    form.onInputEdited();
    if (row) {
      view.selected = row;
      view.input = view.words[*row];
    }
  };
  type(u"め");
  form.wordList().setPrograms({{u"メモリ", u"C:\\r.lnk"},
                               {u"メモ帳", u"C:\\m.lnk", u"C:\\Windows\\notepad.exe"},
                               {u"メモ帳", u"C:\\n.lnk"}});
  type(u"めも");
  EXPECT_EQ(view.words, (std::vector<Text>{u"メモ", u"メモリ", u"メモ帳", u"メモ帳"}));
  EXPECT_EQ(view.rows[1], (ListRowLook{u"メモリ", u"プログラム", u"", u"C:\\r.lnk"}));
  EXPECT_EQ(view.rows[3].place, u"C:") << "two of one name tell where each lives";
  form.onMakeCommand();
  form.onRowAction(RowAction::copyPath);
  form.ExecutionButton_Click();
  type(u"メモ帳");  // typed, not chosen
  form.ExecutionButton_Click();
  EXPECT_EQ(dispatched, (std::vector<Text>{u"めも", u"メモ帳"}));
  EXPECT_TRUE(offered.empty());
  EXPECT_TRUE(acted.empty());

  for (const RowAction action : {RowAction::openFolder, RowAction::runAsAdmin}) {
    type(u"めも", 2);  // an action empties the box, as a start does
    form.onRowAction(action);
  }
  EXPECT_EQ(view.message, u"メモ帳 を管理者として起動しました。") << "no line for it in her model";
  type(u"めも", 2);
  view.menuChoice = 2;  // the row's menu lists what it offers; the third copies
  EXPECT_TRUE(form.onRowMenu());
  EXPECT_EQ(view.menus.back().size(), 4u);
  type(u"めも", 2);
  form.onMakeCommand();
  EXPECT_EQ(acted, (std::vector<std::pair<RowAction, Text>>{
                       {RowAction::openFolder, u"C:\\Windows\\notepad.exe"},
                       {RowAction::runAsAdmin, u"C:\\Windows\\notepad.exe"},
                       {RowAction::copyPath, u"C:\\Windows\\notepad.exe"}}));
  EXPECT_EQ(offered, (std::vector<Text>{u"メモ帳|C:\\m.lnk"}));
  type(u"めも", 3);
  form.ExecutionButton_Click();
  type(u"めも", 2);  // the other メモ帳 was chosen for this text: メモリ is next
  EXPECT_EQ(view.words[2], u"メモリ");
  respond = [](const Text&) { return error(u"none", u"2"); };
  form.ExecutionButton_Click();
  EXPECT_EQ(started, (std::vector<Text>{u"メモ帳|C:\\n.lnk", u"メモリ|C:\\r.lnk"}));
  EXPECT_EQ(view.input, u"?メモリ") << "a search for the name";
  respond = nullptr;
  view.input = u"メモ";
  form.ExecutionButton_Click();
  usage.load();
  EXPECT_GT(usage.score({ListKind::Program, u"メモ帳", u"C:\\n.lnk"}), 0);
  EXPECT_EQ(usage.score({ListKind::Program, u"メモ帳", u"C:\\m.lnk"}), 0);
  EXPECT_GT(usage.score({ListKind::CommandWord, u"メモ", u""}), 0);
  EXPECT_EQ(usage.score({ListKind::Program, u"メモリ", u"C:\\r.lnk"}), 0) << "a failed start";
  EXPECT_EQ(indexStarts, 1) << "the index starts at the first keystroke, once";
}

// The calculator's answer leads the list for "=" text and for bare
// arithmetic nothing else matches; Enter on "=" text, chosen or not, puts
// its digits on the clipboard and she says it, unless a command word or a
// line of hers is that text. Bare arithmetic keeps the rules' road.
TEST_F(InputFormTest, TheCalculatorAnswersEqualsTextAndLeavesTheRestToTheRules) {
  core.addCommand(u"=x", u"x.exe");
  lines.lines[u"=こんにちは"] = u"こんにちは！";
  form.init(true);
  const auto type = [this](const Text& typed) {
    view.input = typed;
    form.onInputEdited();
    return view.words.empty() ? Text() : view.words.front();
  };
  EXPECT_EQ(type(u"＝2^10"), u"= 1,024");
  EXPECT_EQ(view.rows.front().kind, u"計算");
  form.ExecutionButton_Click();
  EXPECT_EQ(type(u"=1/0"), u"= 0 では割れません");
  form.ExecutionButton_Click();
  EXPECT_EQ(view.message, u"= 0 では割れません") << "no line for it in her model";
  EXPECT_EQ(type(u"1+2*3"), u"= 7");
  form.ExecutionButton_Click();
  for (const Text text : {u"=x", u"=こんにちは"}) {
    type(text);
    form.ExecutionButton_Click();
  }
  EXPECT_EQ(acted, (std::vector<std::pair<RowAction, Text>>{{RowAction::copyResult, u"1024"}}));
  EXPECT_EQ(dispatched, (std::vector<Text>{u"1+2*3", u"=x", u"=こんにちは"}));
}

// The system's commands come after the programs, found by their names in
// kana, romaji and English; those that cannot be taken back ask first with
// No the default, and a failure is her error line with the system's reason.
TEST_F(InputFormTest, TheSystemsCommandsAskWhereTheyMustAndRunThroughThePort) {
  form.init(true);
  const struct {
    const char16_t* typed;
    const char16_t* row;
    SystemCommand command;
    bool asks;
  } cases[] = {
      {u"ろっく", u"ロック", SystemCommand::lock, false},
      {u"sleep", u"スリープ", SystemCommand::sleep, false},
      {u"reboot", u"再起動", SystemCommand::restart, true},
      {u"shut", u"シャットダウン", SystemCommand::shutDown, true},
      {u"sign out", u"サインアウト", SystemCommand::signOut, true},
      {u"gomi", u"ごみ箱を空にする", SystemCommand::emptyRecycleBin, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(toUtf8(c.typed));
    for (const MessageAnswer reply : {MessageAnswer::No, MessageAnswer::Yes}) {
      ran.clear();
      dialogs.shown.clear();
      dialogs.answer = reply;
      view.input = c.typed;
      form.onInputEdited();
      ASSERT_EQ(view.words, std::vector<Text>{c.row});
      EXPECT_EQ(view.rows.front().kind, u"システム");
      view.selected = 0;
      view.input = c.row;
      form.ExecutionButton_Click();
      view.selected.reset();
      EXPECT_EQ(dialogs.shown.size(), c.asks ? 1u : 0u);
      if (c.asks) {
        EXPECT_EQ(dialogs.shown.front().buttons, MessageButtons::YesNoDefaultNo);
      }
      const bool runs = !c.asks || reply == MessageAnswer::Yes;
      EXPECT_EQ(ran, runs ? std::vector<SystemCommand>{c.command} : std::vector<SystemCommand>{});
    }
  }
  systemFails = true;
  view.input = u"lock";
  form.onInputEdited();
  view.selected = 0;
  view.input = u"ロック";
  form.ExecutionButton_Click();
  EXPECT_NE(view.message.find(u"特権がありません。"), Text::npos) << toUtf8(view.message);
}

}  // namespace
}  // namespace pipit
