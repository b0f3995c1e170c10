#include <gtest/gtest.h>

#include "CoreFixture.h"

namespace pipit {
namespace {

using Strings = std::vector<std::string>;
using Texts = std::vector<Text>;

class ConfigurationManagerTest : public ::testing::Test, public fakes::CoreFixture {
 protected:
  // Runs something that must end the process; returns the exit code.
  template <class F>
  int exitCodeOf(F f) {
    try {
      f();
    } catch (const fakes::ProcessExited& e) {
      return e.code;
    }
    ADD_FAILURE() << "the process did not end";
    return -1;
  }
};

const Texts kBanner = {
    u"ConfigurationManager.main() **********************************************************",
    u"ConfigurationManager.main() ピピットランチャー 1.03 (2011.11.25)",
    u"ConfigurationManager.main() Copyright (C) 2011 ピピット工房 All rights reserved.",
    u"ConfigurationManager.main() **********************************************************",
    u"ConfigurationManager.main() メソッドを開始します。",
    u"ConfigurationManager.main() 設定を取得します。",
};

Texts concat(Texts a, const Texts& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST_F(ConfigurationManagerTest, StartWithDebugModeOffWritesOnlyTheForcedLines) {
  writeConfig(u"PREF/DEBUG_MODE\t0\r\nPREF/HIDDEN_DELAY\t45000\r\n");
  manager.main(parts);
  EXPECT_EQ(journal.calls,
            (Strings{"model.load", "window.init(start)", "tray.init", "menu.init", "window.show"}));
  const Text read = u"ConfigurationManager.getConfigurationFromFile() ";
  EXPECT_EQ(log(), concat(kBanner, {
                                       read + u"非表示までの時間： 45000",
                                       read + u"30秒超の値が指定されているため、30秒に補正します",
                                       u"ConfigurationManager.main() 設定を取得しました。",
                                       u"ConfigurationManager.main() "
                                       u"デバッグモードでないため、以後ログは出力されません。",
                                   }));
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ConfigurationManagerTest, StartWithDebugModeOnTracesEveryStep) {
  writeConfig(u"PREF/DEBUG_MODE\t1\r\nPREF/HIDDEN_DELAY\t100\r\nPREF/STYLE\t1\r\n");
  manager.main(parts);
  EXPECT_EQ(journal.calls.front(), "window.simple=1");
  EXPECT_EQ(journal.calls[1], "model.load(simple)") << "the style is set before the model loads";
  const Texts all = log();
  const Texts tail(all.begin() + static_cast<long>(kBanner.size()), all.end());
  EXPECT_EQ(tail, (Texts{
                      u"ConfigurationManager.getConfigurationFromFile() 非表示までの時間： 100",
                      u"ConfigurationManager.main() 設定を取得しました。",
                      u"ConfigurationManager.main() フォームを初期化します。",
                      u"ConfigurationManager.main() フォームを初期化しました。",
                      u"ConfigurationManager.main() メソッドを完了しました。",
                  }));
}

TEST_F(ConfigurationManagerTest, MissingOrBrokenConfigurationEndsTheProgramAfterTheBox) {
  for (const bool missing : {true, false}) {
    SCOPED_TRACE(missing ? "missing" : "letters in PREF/TOP");
    files.content.clear();
    dialogs.shown.clear();
    journal.calls.clear();
    if (!missing) writeConfig(u"PREF/TOP\tabc\r\n");
    // The log line comes only after the user has closed the box.
    dialogs.onShow = [&] { EXPECT_EQ(log().size(), kBanner.size()); };
    EXPECT_EQ(exitCodeOf([&] { manager.main(parts); }), 1);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].prompt, u"設定の読み込みに失敗しました。プログラムを終了します。");
    EXPECT_EQ(dialogs.shown[0].title, u"設定読み込み失敗");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Critical);
    EXPECT_EQ(dialogs.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(
        log(),
        concat(
            kBanner,
            {missing ? u"ConfigurationManager.main() 設定取得エラー:53:ファイルが見つかりません。"
                     : u"ConfigurationManager.main() 設定取得エラー:13:型が一致しません。"}));
    EXPECT_TRUE(journal.calls.empty()) << "no window, tray icon or hot key";
  }
}

TEST_F(ConfigurationManagerTest, ModelFailureEndsTheProgramWithoutSaving) {
  writeConfig(u"PREF/DEBUG_MODE\t0\r\n");
  model.failure = Failure{53, u"ファイルが見つかりません。"};
  EXPECT_EQ(exitCodeOf([&] { manager.main(parts); }), 1);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].prompt,
            u"モデルデータの読み込みに失敗しました。プログラムを終了します。");
  EXPECT_EQ(dialogs.shown[0].title, u"モデル読み込み失敗");
  EXPECT_EQ(log().back(),
            u"ConfigurationManager.main() モデル取得エラー:53:ファイルが見つかりません。");
  EXPECT_EQ(files.replaceCalls, 0);
}

TEST_F(ConfigurationManagerTest, TerminateStoresThePositionSavesAndEnds) {
  writeConfig(u"PREF/DEBUG_MODE\t1\r\nkeep\tme.exe\r\n");
  manager.main(parts);
  journal.calls.clear();
  window.leftTwips = 1200.0f;
  window.topTwips = 3450.5f;
  const auto before = log().size();
  EXPECT_EQ(exitCodeOf([&] { manager.terminate(); }), 0);
  EXPECT_EQ(journal.calls, (Strings{"window.terminate", "tray.terminate"}));
  const Texts all = log();
  const Text t = u"ConfigurationManager.terminate() ";
  EXPECT_EQ(Texts(all.begin() + static_cast<long>(before), all.end()),
            (Texts{
                t + u"メソッドを開始します。",
                t + u"フォームの位置を取得します：1200,3450.5",
                u"ConfigurationManager.saveConfiguration() メソッドを開始します。",
                u"ConfigurationManager.saveConfiguration() メソッドを完了しました。",
                t + u"フォームを最終化します。",
                t + u"フォームを最終化しました。",
                t + u"プログラムを終了します。",
            }));
  const Text saved = config();
  EXPECT_NE(saved.find(u"PREF/TOP\t3450\r\nPREF/LEFT\t1200\r\nkeep\tme.exe\t\r\n"), Text::npos);
}

TEST_F(ConfigurationManagerTest, TerminateSkipsFailingStepsAndStillEnds) {
  // A failed save is logged and, but at a session's end, told in shutdown.
  bool terminatingUnderTheBox = false;
  dialogs.onShow = [&] { terminatingUnderTheBox = manager.isTerminating(); };
  for (const bool sessionEnding : {false, true}) {
    SCOPED_TRACE(sessionEnding ? "session end" : "close");
    files.content.clear();
    dialogs.shown.clear();
    writeConfig(u"PREF/DEBUG_MODE\t0\r\n");
    manager.main(parts);
    files.failing[configPath] = Failure::permissionDenied();
    tray.throwOnTerminate = true;
    EXPECT_EQ(exitCodeOf([&] { manager.terminate(sessionEnding); }), 0);
    const Texts all = log();
    EXPECT_EQ(all.back(), u"ConfigurationManager.terminate() プログラムを終了します。");
    EXPECT_EQ(all[all.size() - 2],
              u"ConfigurationManager.terminate() 設定保存エラー:70:書き込みできません。");
    ASSERT_EQ(dialogs.shown.size(), sessionEnding ? 0u : 1u);
    if (!sessionEnding) {
      EXPECT_NE(dialogs.shown[0].prompt.find(u"書き込みできません。\r\n" + configPath), Text::npos);
    }
    files.failing.clear();
  }
  EXPECT_TRUE(terminatingUnderTheBox);
}

TEST_F(ConfigurationManagerTest, SetConfigurationSavesReadsBackAndReinitialises) {
  writeConfig(u"PREF/DEBUG_MODE\t0\r\nPREF/STYLE\t1\r\nold\told.exe\r\n");
  manager.main(parts);
  Configuration& current = manager.getConfiguration();
  journal.calls.clear();

  Configuration next;
  next.setStyleSimple(false);
  next.setHiddenDelay(45000);  // normalised by the write and read cycle
  auto row = std::make_shared<CommandInfo>();
  row->setCommand(u"new");
  row->setExecutionPath(u"new.exe");
  next.setCommands({row});
  ASSERT_TRUE(manager.setConfiguration(next).ok());

  EXPECT_EQ(&manager.getConfiguration(), &current) << "holders keep seeing the current settings";
  EXPECT_EQ(current.getHiddenDelay(), 30000);
  EXPECT_EQ(current.commands().at(0)->getCommand(), u"new");
  EXPECT_EQ(journal.calls, (Strings{"window.simple=0", "model.load", "window.init", "menu.init"}))
      << "the window does not move and the tray icon is left alone";
  EXPECT_EQ(log().back(),
            u"ConfigurationManager.setConfiguration() "
            u"デバッグモードでないため、以後ログは出力されません。");
}

TEST_F(ConfigurationManagerTest, SetConfigurationHandsSaveFailuresBack) {
  writeConfig(u"PREF/TOP\t7\r\n");
  manager.main(parts);
  files.failing[configPath] = Failure::permissionDenied();
  const Status status = manager.setConfiguration(Configuration());
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.failure().number, 70);
  EXPECT_EQ(manager.getConfiguration().getFormTop(), 7);
}

TEST_F(ConfigurationManagerTest, SettingsWrittenButUnreadableAreTakenBack) {
  writeConfig(u"PREF/DEBUG_MODE\t0\r\n# kept as it was\r\nold\told.exe\r\n");
  manager.main(parts);
  const std::string before = files.content[configPath];
  journal.calls.clear();
  Configuration next;
  CommandTable rows(Configuration::kMaxCommands + 1, std::make_shared<CommandInfo>());
  rows[0]->setCommand(u"x");
  rows[0]->setExecutionPath(u"x.exe");
  next.setCommands(rows);
  const Status status = manager.setConfiguration(next);
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.failure().number, 9);
  EXPECT_EQ(files.content[configPath], before) << "the next start reads what this one did";
  EXPECT_EQ(manager.getConfiguration().commands().at(0)->getCommand(), u"old");
  EXPECT_EQ(journal.calls, (Strings{"window.simple=0", "model.load"}))
      << "her model is read before the file is written";
}

TEST_F(ConfigurationManagerTest, AStyleWhoseModelCannotBeReadIsNotSaved) {
  // Only the simple style's model is missing.
  struct StyleModel : ModelLoader {
    explicit StyleModel(fakes::FakeMainWindow& w) : window(w) {}
    fakes::FakeMainWindow& window;
    Status loadModel() override {
      window.journal.calls.push_back(window.simpleMode ? "model.load(simple)" : "model.load");
      if (window.simpleMode) return Failure::fileNotFound();
      return Status::success();
    }
  } styleModel{window};
  writeConfig(u"PREF/DEBUG_MODE\t1\r\nPREF/STYLE\t0\r\nold\told.exe\r\n");
  manager.main(LauncherParts{window, styleModel, tray, menu});
  const std::string before = files.content[configPath];
  journal.calls.clear();
  Configuration next;
  next.setStyleSimple(true);
  next.setDebugMode(false);
  const Status status = manager.setConfiguration(next);
  ASSERT_FALSE(status.ok()) << "the process goes on and the caller hears why";
  EXPECT_EQ(status.failure().description,
            u"モデルデータを読み込めません：ファイルが見つかりません。");
  EXPECT_EQ(journal.calls,
            (Strings{"window.simple=1", "model.load(simple)", "window.simple=0", "model.load"}));
  EXPECT_EQ(files.content[configPath], before);
  EXPECT_FALSE(manager.getConfiguration().isStyleSimple());
  EXPECT_EQ(manager.getConfiguration().commands().size(), 1u);
  EXPECT_TRUE(logger.debugMode()) << "the former debug mode is back";
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ConfigurationManagerTest, GetExecInfoMatchesExactlyAndTakesTheFirstRow) {
  writeConfig(
      u"PREF/DEBUG_MODE\t1\r\n"
      u"notepad\tnotepad.exe\r\n"
      u"mail\tfirst.exe\tC:\\Mail\r\n"
      u"mail\tsecond.exe\r\n");
  manager.main(parts);
  const auto mail = manager.getExecInfo(u"mail");
  ASSERT_TRUE(mail.has_value());
  EXPECT_EQ(mail->getExecutionPath(), u"first.exe");
  EXPECT_EQ(mail->getExecutionDirectory(), u"C:\\Mail");
  EXPECT_EQ(mail->getCommand(), u"mail");
  EXPECT_EQ(log().back(), u"ConfigurationManager.getExecInfo() メソッドを完了しました。");
  EXPECT_EQ(log()[log().size() - 2],
            u"ConfigurationManager.getExecInfo() 出力値：first.exe,C:\\Mail");

  EXPECT_FALSE(manager.getExecInfo(u"Notepad").has_value());
  EXPECT_FALSE(manager.getExecInfo(u"notepad ").has_value());
  EXPECT_EQ(log()[log().size() - 2],
            u"ConfigurationManager.getExecInfo() 登録されていないコマンドです。");
}

TEST_F(ConfigurationManagerTest, ExecutablePathUsesTheProgramFolder) {
  EXPECT_EQ(manager.getExecutablePath(), u"C:\\Tools\\Pipit\\pipitlauncher.exe");
  files.folder = u"C:\\";
  EXPECT_EQ(manager.getExecutablePath(), u"C:\\pipitlauncher.exe");
}

TEST_F(ConfigurationManagerTest, LogonAutoStart) {
  const Text key = fakes::FakeRegistry::qualified(
      RegistryHive::CurrentUser, u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\");
  EXPECT_FALSE(manager.isStartupRegistered());
  manager.unregisterStartup();  // nothing there: nothing happens

  manager.registerStartup();
  EXPECT_EQ(registry.keys[key][u"ピピットランチャー"].text, u"C:\\Tools\\Pipit\\pipitlauncher.exe");
  EXPECT_TRUE(manager.isStartupRegistered());

  // Moved elsewhere, or differing only in case: not registered.
  registry.keys[key][u"ピピットランチャー"].text = u"c:\\tools\\pipit\\pipitlauncher.exe";
  EXPECT_FALSE(manager.isStartupRegistered());

  manager.unregisterStartup();
  EXPECT_EQ(registry.keys[key].count(u"ピピットランチャー"), 0u);
  EXPECT_EQ(registry.openCount, 0) << "every key is closed again";

  registry.refuseCreate = true;
  manager.registerStartup();  // fails silently
  EXPECT_FALSE(manager.isStartupRegistered());
}

}  // namespace
}  // namespace pipit
