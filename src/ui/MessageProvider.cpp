#include "ui/MessageProvider.h"

#include <algorithm>
#include <utility>

#include "base/Number.h"
#include "base/Path.h"
#include "base/SettingsText.h"
#include "ui/PicturePath.h"

namespace pipit {
namespace {

constexpr TextView kLoadModel = u"MessageProvider.loadModel()";
constexpr TextView kLoadPictures = u"MessageProvider.loadPictures()";
constexpr TextView kGetMessage = u"MessageProvider.getMessage()";
constexpr TextView kGetRandomIndex = u"MessageProvider.getRandomIndex()";
constexpr TextView kShowPicture = u"MessageProvider.showPicture()";

constexpr TextView kSettingPrefix = u"CONF/";

// The failure with where it happened, so that the "モデル取得エラー" box and
// log line point at the line or picture to mend.
Failure at(const Failure& failure, TextView where) {
  return {failure.number, failure.description + u" (" + Text(where) + u")"};
}

Text lineLabel(TextView file, std::size_t lineNumber) {
  return Text(file) + u" " + decimalText(static_cast<int64_t>(lineNumber)) + u" 行目";
}

void replaceAll(Text& text, TextView placeholder, TextView value) {
  std::size_t pos = 0;
  while ((pos = text.find(placeholder, pos)) != Text::npos) {
    text.replace(pos, placeholder.size(), value);
    pos += value.size();
  }
}

TextView fieldOne(TextView line) { return line.substr(0, line.find(u'\t')); }

}  // namespace

MessageProvider::MessageProvider(Files& files, const Pictures& pictures, ExpressionView& view,
                                 const SimpleMode& style, RandomSource& random, Logger& logger,
                                 CodePage codePage)
    : files_(files),
      pictures_(pictures),
      view_(view),
      style_(style),
      random_(random),
      logger_(logger),
      codePage_(std::move(codePage)) {}

Status MessageProvider::loadModel() {
  logger_.writeMethodStart(kLoadModel);
  const TextView relative = style_.isSimple() ? u"model_simple\\model.conf" : u"model\\model.conf";
  const Text path = appendPathSeparator(files_.programFolder()) + Text(relative);
  logger_.writeLog(kLoadModel, u"モデルファイル:" + path);

  // Everything is built aside and taken over only when the whole load
  // succeeded: a half-replaced model would pair lines with holders of
  // another load.
  Model model;
  model.settings = settings_;
  Status status = [&]() -> Status {
    auto bytes = files_.readAll(path);
    if (!bytes) return at(bytes.failure(), relative);
    const Text content = decodeSettingsFile(bytes.value(), codePage_);
    if (Status read = readLines(relative, content, model); !read) return read;
    if (model.lines.empty()) {
      return at(Failure::subscriptOutOfRange(), Text(relative) + u": 台詞の行がありません");
    }
    std::vector<Text> names;
    names.reserve(model.entries.size());
    for (const Entry& entry : model.entries) names.push_back(entry.picture);
    model.pictureNames = removeDuplicates(std::move(names));
    return loadPictures(model);
  }();
  if (!status) {
    logger_.writeLog(kLoadModel, u"モデル読み込みエラー:" + status.failure().toText());
    return status;
  }

  settings_ = std::move(model.settings);
  messageLines_ = std::move(model.lines);
  entries_ = std::move(model.entries);
  pictureNames_ = std::move(model.pictureNames);
  holders_ = std::move(model.holders);
  buildIndex();
  if (logger_.enabled()) {
    logger_.writeLog(kLoadModel,
                     u"台詞数:" + decimalText(static_cast<int64_t>(messageLines_.size())));
    logger_.writeLog(kLoadModel,
                     u"絵の数:" + decimalText(static_cast<int64_t>(pictureNames_.size())));
  }
  logger_.writeMethodEnd(kLoadModel);
  return Status::success();
}

Status MessageProvider::readLines(TextView file, TextView content, Model& model) const {
  const std::vector<Text> lines = splitLines(content);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Text& line = lines[i];
    const bool hasTab = line.find(u'\t') != Text::npos;
    auto setting = parseConfLine(line, model.settings);
    if (!setting)
      return at(setting.failure(), lineLabel(file, i + 1) + u": " + Text(fieldOne(line)));
    if (setting.value() || !hasTab) continue;
    if (model.lines.size() == kMaxEntries) {
      return at(Failure::overflow(), lineLabel(file, i + 1) + u": 台詞の行が 32767 を超えています");
    }
    std::vector<Text> fields = splitTabs(line);
    model.entries.push_back({fields[1], fields.size() > 2 ? std::move(fields[2]) : Text()});
    model.lines.push_back(line);
  }
  return Status::success();
}

Outcome<bool> MessageProvider::parseConfLine(TextView line, ModelSettings& settings) const {
  if (!startsWith(line, kSettingPrefix)) return false;
  const std::vector<Text> fields = splitTabs(line);
  const Text& key = fields[0];
  if (!ModelSettings::isListed(key)) return true;
  if (fields.size() < 2) return Failure::subscriptOutOfRange();
  if (Status set = settings.set(key, fields[1]); !set) return set.failure();
  return true;
}

std::vector<Text> MessageProvider::removeDuplicates(std::vector<Text> list) {
  if (list.empty()) return list;
  std::vector<Text> result;
  std::map<TextView, bool, std::less<>> seen;  // views into `list`, which outlives it
  for (const Text& item : list) {
    if (seen.emplace(item, true).second) result.push_back(item);
  }
  return result;
}

Status MessageProvider::loadPictures(Model& model) const {
  logger_.writeMethodStart(kLoadPictures);
  model.holders.reserve(model.pictureNames.size());
  for (const Text& name : model.pictureNames) {
    if (name.empty()) {
      model.holders.emplace_back();
      continue;
    }
    const Text path = resolvePicturePath(files_.programFolder(), name);
    logger_.writeLog(kLoadPictures, u"絵を読み込みます:" + path);
    auto picture = pictures_.load(path);
    if (!picture) return at(picture.failure(), path);
    model.holders.push_back(std::move(picture.value()));
  }
  logger_.writeMethodEnd(kLoadPictures);
  return Status::success();
}

void MessageProvider::buildIndex() {
  byKey_.clear();
  for (std::size_t i = 0; i < messageLines_.size(); ++i) {
    byKey_[Text(fieldOne(messageLines_[i]))].push_back(i);
  }
  pictureIndex_.clear();
  for (std::size_t i = 0; i < pictureNames_.size(); ++i) pictureIndex_.emplace(pictureNames_[i], i);
}

std::span<const std::size_t> MessageProvider::candidates(TextView key,
                                                         std::vector<std::size_t>& scratch) const {
  if (key.find(u'\t') == TextView::npos) {
    const auto it = byKey_.find(key);
    if (it == byKey_.end()) return {};
    return it->second;
  }
  // A key holding a TAB reaches past the first field; only the scan of whole
  // lines the rules describe gives its candidates.
  Text prefix(key);
  prefix += u'\t';
  for (std::size_t i = 0; i < messageLines_.size(); ++i) {
    if (startsWith(messageLines_[i], prefix)) scratch.push_back(i);
  }
  return scratch;
}

Text MessageProvider::getMessage(TextView key, TextView parameter) {
  logger_.writeMethodStart(kGetMessage);
  if (logger_.enabled()) logger_.writeLog(kGetMessage, u"キー:" + Text(key));
  Text text;
  const Entry* chosen = nullptr;
  std::vector<std::size_t> scratch;
  const std::span<const std::size_t> found = candidates(key, scratch);
  if (!found.empty()) {
    const auto index =
        static_cast<std::size_t>(getRandomIndex(static_cast<int16_t>(found.size() - 1)));
    chosen = &entries_[found[index]];
    text = chosen->text;
    replaceAll(text, u"[呼び名]", settings_.getYobina());
    replaceAll(text, u"[コマンド]", parameter);
    replaceAll(text, u"[改行]", kCrLf);
  } else {
    logger_.writeLog(kGetMessage, u"台詞が見つかりません。");
  }
  view_.setEyesClosedVisible(false);
  if (chosen != nullptr) showPicture(chosen->picture);
  view_.restartStyleTimer();
  logger_.writeMethodEnd(kGetMessage);
  return text;
}

int16_t MessageProvider::getRandomIndex(int16_t maxIndex) {
  if (maxIndex <= 0) return 0;
  const float r = random_.nextUnit();
  const int32_t index =
      std::clamp<int32_t>(roundHalfEven(r * static_cast<float>(maxIndex)), 0, maxIndex);
  if (logger_.enabled()) logger_.writeLog(kGetRandomIndex, u"選択:" + decimalText(index));
  return static_cast<int16_t>(index);
}

void MessageProvider::showPicture(TextView name) {
  const auto it = pictureIndex_.find(name);
  if (it == pictureIndex_.end()) {
    if (logger_.enabled()) logger_.writeLog(kShowPicture, u"絵がありません:" + Text(name));
    return;
  }
  view_.setWindowPicture(holders_[it->second]);
}

}  // namespace pipit
