#include "core/ConfigurationManager.h"

#include <cstdlib>

#include "base/Number.h"
#include "base/Path.h"

namespace pipit {
namespace {

constexpr TextView kMainLabel = u"ConfigurationManager.main()";
constexpr TextView kTerminateLabel = u"ConfigurationManager.terminate()";
constexpr TextView kGetLabel = u"ConfigurationManager.getConfiguration()";
constexpr TextView kSetLabel = u"ConfigurationManager.setConfiguration()";
constexpr TextView kExecInfoLabel = u"ConfigurationManager.getExecInfo()";

constexpr TextView kStars = u"**********************************************************";
constexpr TextView kRights = u"Copyright (C) 2011 ピピット工房 All rights reserved.";
constexpr TextView kLoggingOff = u"デバッグモードでないため、以後ログは出力されません。";

// Shutdown goes on whatever one of its steps does.
template <class Step>
void skippingFailure(Step step) {
  try {
    step();
  } catch (...) {
  }
}

}  // namespace

ConfigurationManager::ConfigurationManager(const CorePorts& ports, Logger& logger)
    : ports_(ports),
      logger_(logger),
      file_(ports.files, ports.codePage, logger),
      registry_(ports.registry) {}

void ConfigurationManager::main(const LauncherParts& parts) {
  parts_.emplace(parts);
  logger_.writeLog(kMainLabel, kStars, true);
  logger_.writeLog(kMainLabel, Text(kProductName) + u" " + Text(kVersion), true);
  logger_.writeLog(kMainLabel, kRights, true);
  logger_.writeLog(kMainLabel, kStars, true);
  logger_.writeMethodStart(kMainLabel, true);

  logger_.writeLog(kMainLabel, u"設定を取得します。", true);
  auto read = file_.getConfigurationFromFile(file_.defaultPath());
  if (!read) {
    failStartup(u"設定の読み込みに失敗しました。プログラムを終了します。", u"設定読み込み失敗",
                u"設定取得エラー:", read.failure(), kMainLabel);
  }
  currentConfiguration_ = std::move(read.value());
  logger_.setDebugMode(currentConfiguration_.isDebugMode());
  logger_.writeLog(kMainLabel, u"設定を取得しました。", true);

  if (currentConfiguration_.isStyleSimple()) parts.mainWindow.setSimpleMode(true);
  loadModelOrExit(kMainLabel);
  if (!logger_.debugMode()) logger_.writeLog(kMainLabel, kLoggingOff, true);

  logger_.writeLog(kMainLabel, u"フォームを初期化します。");
  parts.mainWindow.init(true);
  parts.trayMenu.init();
  parts.commandMenu.init();
  logger_.writeLog(kMainLabel, u"フォームを初期化しました。");
  parts.mainWindow.doHotkeyAction();
  logger_.writeMethodEnd(kMainLabel);
}

void ConfigurationManager::terminate(bool sessionEnding) {
  terminating_ = true;
  skippingFailure([&] { logger_.writeMethodStart(kTerminateLabel); });
  if (parts_) {
    MainWindowControl& window = parts_->mainWindow;
    skippingFailure([&] {
      logger_.writeLog(kTerminateLabel, u"フォームの位置を取得します：" +
                                            shortestText(window.left()) + u"," +
                                            shortestText(window.top()));
    });
    skippingFailure([&] {
      currentConfiguration_.setFormTop(roundHalfEven(window.top()));
      currentConfiguration_.setFormLeft(roundHalfEven(window.left()));
    });
  }
  skippingFailure([&] {
    const Status saved = file_.saveConfiguration(currentConfiguration_);
    if (!saved) reportFailedSave(saved.failure(), sessionEnding);
  });
  skippingFailure([&] { logger_.writeLog(kTerminateLabel, u"フォームを最終化します。"); });
  if (parts_) {
    skippingFailure([&] { parts_->mainWindow.terminate(); });
    skippingFailure([&] { parts_->trayMenu.terminate(); });
  }
  skippingFailure([&] { logger_.writeLog(kTerminateLabel, u"フォームを最終化しました。"); });
  skippingFailure([&] { logger_.writeLog(kTerminateLabel, u"プログラムを終了します。", true); });
  ports_.process.exitNow(0);
  std::abort();  // not reached: the compiler does not see through the virtual call
}

void ConfigurationManager::reportFailedSave(const Failure& failure, bool sessionEnding) {
  logger_.writeLog(kTerminateLabel, u"設定保存エラー:" + failure.toText(), true);
  // At logoff no one is there to answer a box, and Windows would end the
  // process while it waits: the log line has to do.
  if (sessionEnding) return;
  ports_.dialogs.messageBox(
      u"設定を保存できなかったため、ウィンドウの位置などの変更は失われます。\r\n" +
          failure.description + u"\r\n" + file_.defaultPath(),
      u"", MessageButtons::Ok, MessageIcon::Exclamation);
}

Configuration& ConfigurationManager::getConfiguration() {
  logger_.writeMethodStart(kGetLabel);
  logger_.writeMethodEnd(kGetLabel);
  return currentConfiguration_;
}

Status ConfigurationManager::setConfiguration(const Configuration& configuration) {
  logger_.writeMethodStart(kSetLabel);
  // The chosen style's model is read before anything is written: a file
  // naming a style whose model cannot be read would end every later start,
  // and putting the former file back can fail too.
  if (parts_) {
    parts_->mainWindow.setSimpleMode(configuration.isStyleSimple());
    if (const Status loaded = parts_->model.loadModel(); !loaded) {
      logger_.writeLog(kSetLabel, u"モデル取得エラー:" + loaded.failure().toText());
      restoreModel();
      return Failure{loaded.failure().number,
                     u"モデルデータを読み込めません：" + loaded.failure().description};
    }
  }
  logger_.writeLog(kSetLabel, u"新しい設定をファイルに保存します。");
  // The file as it stands, to put back when what was written cannot be
  // read: "config.txt" must stay one that the next start can use.
  const Text path = file_.defaultPath();
  const Outcome<std::string> previous = ports_.files.readAll(path);
  // A model of the same style just read is as good as the one it replaced.
  const bool styleChanged = configuration.isStyleSimple() != currentConfiguration_.isStyleSimple();
  if (Status saved = file_.saveConfiguration(configuration); !saved) {
    if (styleChanged) restoreModel();
    return saved;
  }
  logger_.writeLog(kSetLabel, u"設定を保存しました。");
  logger_.writeLog(kSetLabel, u"ファイルから設定を取得します。");
  auto read = file_.getConfigurationFromFile(path);
  if (!read) {
    if (previous) {
      (void)ports_.files.replace(path, previous.value());
    } else {
      (void)file_.saveConfiguration(currentConfiguration_);
    }
    if (styleChanged) restoreModel();
    return read.failure();
  }
  // Assigned in place: whoever holds the object from getConfiguration sees
  // the new settings.
  currentConfiguration_ = std::move(read.value());
  logger_.writeLog(kSetLabel, u"ファイルから設定を取得しました。", true);
  applyDebugMode(kSetLabel);
  if (parts_) {
    // The style read back is the one whose model was loaded above: a flag
    // survives the file unchanged.
    logger_.writeLog(kSetLabel, u"フォームを初期化します。");
    parts_->mainWindow.init(false);
    parts_->commandMenu.init();
    logger_.writeLog(kSetLabel, u"フォームを初期化しました。");
  }
  logger_.writeMethodEnd(kSetLabel);
  return Status::success();
}

void ConfigurationManager::restoreModel() {
  if (!parts_) return;
  parts_->mainWindow.setSimpleMode(currentConfiguration_.isStyleSimple());
  loadModelOrExit(kSetLabel);
}

std::optional<CommandInfo> ConfigurationManager::getExecInfo(TextView command) {
  logger_.writeMethodStart(kExecInfoLabel);
  if (logger_.enabled()) logger_.writeLog(kExecInfoLabel, u"入力値：" + Text(command));
  std::optional<CommandInfo> found;
  for (const auto& row : currentConfiguration_.commands()) {
    if (row->getCommand() != command) continue;
    found = *row;
    break;
  }
  if (!found) {
    logger_.writeLog(kExecInfoLabel, u"登録されていないコマンドです。");
  } else if (logger_.enabled()) {
    logger_.writeLog(kExecInfoLabel, u"出力値：" + found->getExecutionPath() + u"," +
                                         found->getExecutionDirectory());
  }
  logger_.writeMethodEnd(kExecInfoLabel);
  return found;
}

Text ConfigurationManager::getExecutablePath() const {
  return appendPathSeparator(ports_.files.programFolder()) + ports_.files.programName() + u".exe";
}

bool ConfigurationManager::isStartupRegistered() {
  const auto value = registry_.getRegistryValue(RegistryHive::CurrentUser, Text(kRunKey),
                                                Text(kProductName), RegistryValueType::String);
  const Text* text = value ? std::get_if<Text>(&*value) : nullptr;
  return text && *text == getExecutablePath();
}

void ConfigurationManager::registerStartup() {
  (void)registry_.setRegistryValue(RegistryHive::CurrentUser, Text(kRunKey), Text(kProductName),
                                   RegistryValueType::String, getExecutablePath());
}

void ConfigurationManager::unregisterStartup() {
  registry_.deleteRegistryValue(RegistryHive::CurrentUser, Text(kRunKey), Text(kProductName));
}

void ConfigurationManager::failStartup(TextView prompt, TextView title, TextView logPrefix,
                                       const Failure& failure, TextView label) {
  // The box comes first; the line is written once the user has closed it.
  ports_.dialogs.messageBox(Text(prompt), Text(title), MessageButtons::Ok, MessageIcon::Critical);
  logger_.writeLog(label, Text(logPrefix) + failure.toText(), true);
  ports_.process.exitNow(1);
  std::abort();  // not reached
}

void ConfigurationManager::applyDebugMode(TextView label) {
  logger_.setDebugMode(currentConfiguration_.isDebugMode());
  if (!logger_.debugMode()) logger_.writeLog(label, kLoggingOff, true);
}

void ConfigurationManager::loadModelOrExit(TextView label) {
  const Status loaded = parts_->model.loadModel();
  if (!loaded) {
    failStartup(u"モデルデータの読み込みに失敗しました。プログラムを終了します。",
                u"モデル読み込み失敗", u"モデル取得エラー:", loaded.failure(), label);
  }
}

}  // namespace pipit
