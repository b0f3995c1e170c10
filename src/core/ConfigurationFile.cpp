#include "core/ConfigurationFile.h"

#include <optional>

#include "base/Number.h"
#include "base/Path.h"
#include "base/SettingsText.h"
#include "core/SettingKeys.h"

namespace pipit {
namespace {

constexpr TextView kReadLabel = u"ConfigurationManager.getConfigurationFromFile()";
constexpr TextView kSaveLabel = u"ConfigurationManager.saveConfiguration()";

constexpr int32_t kDefaultHiddenDelay = 2000;
constexpr int32_t kMaxHiddenDelay = 30000;

Failure tooManyCommands() { return {9, u"登録できるコマンドは32767件までです。"}; }

// Applies one setting line; nothing when the key is not a setting key.
// A failure stops the whole read.
std::optional<Status> applySetting(Configuration& config, Text& hiddenDelayText,
                                   const std::vector<Text>& fields) {
  const Text& key = fields[0];
  const Text& value = fields[1];
  auto number = [&](auto setter) -> Status {
    const auto parsed = toInt32(value);
    if (!parsed) return parsed.failure();
    (config.*setter)(parsed.value());
    return Status::success();
  };
  if (key == keys::kHiddenMode) {
    config.setHiddenMode(value != u"0");
  } else if (key == keys::kHiddenDelay) {
    hiddenDelayText = trimBlanks(value);
  } else if (key == keys::kHotKeyValue) {
    config.setHotKeyValue(value);
  } else if (key == keys::kHotKeyMod) {
    config.setHotKeyMod(value);
  } else if (key == keys::kGoogleUrl) {
    config.setGoogleURL(value);
  } else if (key == keys::kGoogleEncoding) {
    config.setGoogleEncoding(value);
  } else if (key == keys::kTop) {
    return number(&Configuration::setFormTop);
  } else if (key == keys::kLeft) {
    return number(&Configuration::setFormLeft);
  } else if (key == keys::kDebugMode) {
    config.setDebugMode(value != u"0");
  } else if (key == keys::kNewIE) {
    config.setNewIE(value != u"0");
  } else if (key == keys::kStyle) {
    config.setStyleSimple(value == u"1");
  } else if (key == keys::kBackgroundImage) {
    config.setBackGroundImage(value);
  } else {
    return std::nullopt;
  }
  return Status::success();
}

// The settings in the file's bytes. Without a logger nothing is written and
// the command rows are only counted: a check that bytes about to be saved
// read back. A command row cannot fail to read, and only a first field that
// starts like a setting key ("PREF/", the same bytes in every encoding) can
// turn a row into a setting.
Outcome<Configuration> parseConfiguration(std::string_view bytes, const CodePage& codePage,
                                          Logger* logger) {
  const bool checkOnly = logger == nullptr;
  Configuration config;
  CommandTable commands;
  std::size_t rows = 0;
  Text hiddenDelayText;
  const SettingsForm form = detectSettingsForm(bytes);
  bytes.remove_prefix(form.bomSize);
  std::vector<Text> fields;
  for (const std::string_view rawLine : splitByteLines(bytes, form.lfEndsLines)) {
    const std::string_view line = trimByteBlanks(rawLine);
    if (line.empty() || line[0] == '#' || line.find('\t') == std::string_view::npos) continue;
    if (checkOnly && !line.starts_with(keys::kStart)) {
      if (++rows > Configuration::kMaxCommands) return tooManyCommands();
      continue;
    }
    fields.clear();
    for (const std::string_view field : splitByteTabs(line)) {
      fields.push_back(decodeSettings(field, form.encoding, codePage));
    }
    if (const auto applied = applySetting(config, hiddenDelayText, fields)) {
      if (!applied->ok()) return applied->failure();
      continue;
    }
    if (++rows > Configuration::kMaxCommands) return tooManyCommands();
    auto command = std::make_shared<CommandInfo>();
    command->setCommand(std::move(fields[0]));
    command->setExecutionPath(std::move(fields[1]));
    if (fields.size() > 2) command->setExecutionDirectory(std::move(fields[2]));
    commands.push_back(std::move(command));
  }

  const auto log = [&](TextView message) {
    if (logger != nullptr) logger->writeLog(kReadLabel, message, true);
  };
  if (hiddenDelayText.empty()) {
    config.setHiddenDelay(kDefaultHiddenDelay);
    log(u"非表示までの時間が指定されていないためデフォルト値2000ミリ秒をセットします");
  } else {
    const auto delay = toInt32(hiddenDelayText);
    if (!delay) return delay.failure();
    config.setHiddenDelay(delay.value());
    log(u"非表示までの時間：" + signedDecimalText(delay.value()));
    if (delay.value() > kMaxHiddenDelay) {
      config.setHiddenDelay(kMaxHiddenDelay);
      log(u"30秒超の値が指定されているため、30秒に補正します");
    }
  }

  config.setCommands(std::move(commands));
  return config;
}

}  // namespace

ConfigurationFile::ConfigurationFile(Files& files, const CodePage& codePage, Logger& logger)
    : files_(files), codePage_(codePage), logger_(logger) {}

Text ConfigurationFile::defaultPath() const {
  return appendPathSeparator(files_.programFolder()) + u"config.txt";
}

Outcome<Configuration> ConfigurationFile::getConfigurationFromFile(const Text& path) const {
  logger_.writeMethodStart(kReadLabel);
  const auto bytes = files_.readAll(path);
  if (!bytes) return bytes.failure();
  auto config = parseConfiguration(bytes.value(), codePage_, &logger_);
  if (!config) return config;
  logger_.writeMethodEnd(kReadLabel);
  return config;
}

Status ConfigurationFile::saveConfiguration(const Configuration& configuration) {
  logger_.writeMethodStart(kSaveLabel);
  Text text = configuration.toString(u"\t");
  text += kCrLf;
  const std::string bytes = encodeSettings(text, codePage_);
  // Settings that would not read back (more rows than a table holds, a
  // command word that is a setting key) would end every later start, and a
  // caller that meant to put the old file back may fail to: they are never
  // written.
  if (const auto readable = parseConfiguration(bytes, codePage_, nullptr); !readable) {
    return readable.failure();
  }
  Status written = files_.replace(defaultPath(), bytes);
  if (!written) return written;
  logger_.writeMethodEnd(kSaveLabel);
  return Status::success();
}

}  // namespace pipit
