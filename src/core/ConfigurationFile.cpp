#include "core/ConfigurationFile.h"

#include <array>
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

Text undecodable(std::size_t lineNumber) {
  return u"設定ファイルの " + decimalText(static_cast<int64_t>(lineNumber)) +
         u" 行目に読めない文字があります。";
}

// The settings whose value is kept and written back as text.
bool keepsText(TextView key) {
  return key == keys::kHotKeyValue || key == keys::kHotKeyMod || key == keys::kGoogleUrl ||
         key == keys::kGoogleEncoding;
}

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
// turn a row into a setting. `note`, when given, learns what a save of
// these settings must heed.
Outcome<Configuration> parseConfiguration(std::string_view bytes, const CodePage& codePage,
                                          Logger* logger, ConfigurationFile::ReadNote* note) {
  const bool checkOnly = logger == nullptr;
  Configuration config;
  CommandTable commands;
  std::size_t rows = 0;
  Text hiddenDelayText;
  const SettingsForm form = detectSettingsForm(bytes);
  bytes.remove_prefix(form.bomSize);
  ConfigurationFile::ReadNote read;
  read.byLine = form.encoding == TextEncoding::ByLine;
  std::size_t lineNumber = 0;
  std::vector<Text> fields;
  for (const std::string_view rawLine : splitByteLines(bytes, form.lfEndsLines)) {
    ++lineNumber;
    const std::string_view line = trimByteBlanks(rawLine);
    if (line.empty() || line[0] == '#' || line.find('\t') == std::string_view::npos) continue;
    if (checkOnly && !line.starts_with(keys::kStart)) {
      if (++rows > Configuration::kMaxCommands) return tooManyCommands();
      continue;
    }
    // One encoding for the whole line: a field alone may look like another.
    const TextEncoding encoding = lineEncoding(line, form.encoding);
    std::array<bool, 3> lost{};
    fields.clear();
    for (const std::string_view field : splitByteTabs(line)) {
      // Fields after the third are never read.
      if (fields.size() == lost.size()) break;
      fields.push_back(decodeSettings(field, encoding, codePage, &lost[fields.size()]));
    }
    const auto applied = applySetting(config, hiddenDelayText, fields);
    // Only text that a save writes back as it was read counts.
    const bool lossy = applied ? keepsText(fields[0]) && lost[1] : lost[0] || lost[1] || lost[2];
    if (lossy && read.undecodableLine == 0) read.undecodableLine = lineNumber;
    if (applied) {
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
  if (note != nullptr) *note = read;
  return config;
}

}  // namespace

ConfigurationFile::ConfigurationFile(Files& files, const CodePage& codePage, Logger& logger)
    : files_(files), codePage_(codePage), logger_(logger) {}

Text ConfigurationFile::defaultPath() const {
  return appendPathSeparator(files_.programFolder()) + u"config.txt";
}

Outcome<Configuration> ConfigurationFile::getConfigurationFromFile(const Text& path) {
  logger_.writeMethodStart(kReadLabel);
  const auto bytes = files_.readAll(path);
  if (!bytes) return bytes.failure();
  ReadNote note;
  auto config = parseConfiguration(bytes.value(), codePage_, &logger_, &note);
  if (!config) return config;
  if (path == defaultPath()) lastRead_ = note;
  if (note.undecodableLine != 0) {
    logger_.writeLog(kReadLabel, undecodable(note.undecodableLine), true);
  }
  logger_.writeMethodEnd(kReadLabel);
  return config;
}

Status ConfigurationFile::saveConfiguration(const Configuration& configuration) {
  logger_.writeMethodStart(kSaveLabel);
  // What could not be decoded would be written as the code page's
  // replacement, and the file could never be mended: it stays as it is.
  if (lastRead_.undecodableLine != 0) {
    const Failure kept{Failure::fileAccess().number,
                       undecodable(lastRead_.undecodableLine) + u"ファイルは書き換えません。"};
    logger_.writeLog(kSaveLabel, kept.description, true);
    return kept;
  }
  Text text = configuration.toString(u"\t");
  text += kCrLf;
  // A file of lines in two encodings came from an editor that writes
  // UTF-8: it gets the one encoding that holds both.
  const std::string bytes =
      lastRead_.byLine ? encodeUtf8WithMark(text) : encodeSettings(text, codePage_);
  // Settings that would not read back (more rows than a table holds, a
  // command word that is a setting key) would end every later start, and a
  // caller that meant to put the old file back may fail to: they are never
  // written.
  if (const auto readable = parseConfiguration(bytes, codePage_, nullptr, nullptr); !readable) {
    return readable.failure();
  }
  Status written = files_.replace(defaultPath(), bytes);
  if (!written) return written;
  logger_.writeMethodEnd(kSaveLabel);
  return Status::success();
}

}  // namespace pipit
