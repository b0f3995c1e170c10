#include "settings/ConfigFormController.h"

#include <algorithm>

#include "base/Product.h"

namespace pipit {
namespace {

constexpr TextView kInitLabel = u"ConfigForm.init()";
constexpr TextView kCommitLabel = u"ConfigForm.CommitButton_Click()";
constexpr TextView kCancelLabel = u"ConfigForm.CancelButton_Click()";

std::vector<Text> keyNames() {
  std::vector<Text> names;
  for (char16_t c = u'0'; c <= u'9'; ++c) names.emplace_back(1, c);
  for (char16_t c = u'A'; c <= u'Z'; ++c) names.emplace_back(1, c);
  return names;
}

}  // namespace

const std::vector<Text>& ConfigFormController::styleEntries() {
  static const std::vector<Text> entries{u"ピピットモード（model）",
                                         u"シンプルモード（model_simple）"};
  return entries;
}

const std::vector<Text>& ConfigFormController::hotkeyModEntries() {
  static const std::vector<Text> entries{u"ALT", u"CTRL", u"SHIFT"};
  return entries;
}

const std::vector<Text>& ConfigFormController::hotkeyValueEntries() {
  static const std::vector<Text> entries = keyNames();
  return entries;
}

ConfigFormController::ConfigFormController(ConfigFormView& view, SettingsCore& core,
                                           const SettingsPorts& ports, Logger& logger)
    : view_(view),
      core_(core),
      dialogs_(ports.dialogs),
      logger_(logger),
      editor_(view, ports.dialogs, ports.clipboard, ports.fileChooser) {}

void ConfigFormController::init(const Text& path, const Text& command) {
  logger_.writeMethodStart(kInitLabel);
  if (!view_.prepare()) {
    logger_.writeLog(kInitLabel, u"設定画面を作成できませんでした。");
    return;
  }
  const Configuration& current = core_.getConfiguration();
  view_.setChecked(FormCheck::HideWindow, current.isHiddenMode());
  view_.setChecked(FormCheck::DebugMode, current.isDebugMode());
  view_.setChecked(FormCheck::NewIE, current.isNewIE());
  view_.setChoices(FormChoice::Style, styleEntries());
  view_.selectChoice(FormChoice::Style, current.isStyleSimple() ? 1 : 0);
  view_.setChecked(FormCheck::AutoExec, core_.isStartupRegistered());
  view_.setFieldText(FormField::Command, {});
  view_.setFieldText(FormField::Path, {});
  view_.setFieldText(FormField::Directory, {});
  fillChoices(FormChoice::HotkeyMod, hotkeyModEntries(), current.getHotKeyMod());
  fillChoices(FormChoice::HotkeyValue, hotkeyValueEntries(), current.getHotKeyValue());
  editor_.load(current.commands());
  view_.show();
  if (!path.empty()) {
    view_.setFieldText(FormField::Path, path);
    view_.setFieldText(FormField::Command, command);
    view_.focus(FormFocus::CommandText);
  } else {
    view_.focus(FormFocus::CommandList);
    if (!editor_.rows().empty()) editor_.selectRow(0);
  }
  logger_.writeMethodEnd(kInitLabel);
}

void ConfigFormController::onCommit() {
  logger_.writeMethodStart(kCommitLabel);
  const Configuration next = getConfigurationFromForm();
  if (const Status saved = core_.setConfiguration(next); !saved) {
    logger_.writeLog(kCommitLabel, u"設定保存エラー:" + saved.failure().toText());
    dialogs_.messageBox(Text(kSaveFailed) + Text(kCrLf) + saved.failure().description,
                        Text(kProductName), MessageButtons::Ok, MessageIcon::Exclamation);
    return;
  }
  if (view_.isChecked(FormCheck::AutoExec)) {
    core_.registerStartup();
  } else {
    core_.unregisterStartup();
  }
  view_.hide();
  logger_.writeMethodEnd(kCommitLabel);
}

void ConfigFormController::onCancel() {
  logger_.writeMethodStart(kCancelLabel);
  view_.hide();
  logger_.writeMethodEnd(kCancelLabel);
}

Configuration ConfigFormController::getConfigurationFromForm() {
  const Configuration& current = core_.getConfiguration();
  Configuration next;
  next.setHiddenMode(view_.isChecked(FormCheck::HideWindow));
  next.setHiddenDelay(current.getHiddenDelay());
  next.setDebugMode(view_.isChecked(FormCheck::DebugMode));
  next.setNewIE(view_.isChecked(FormCheck::NewIE));
  next.setHotKeyMod(selectedText(FormChoice::HotkeyMod, hotkeyModEntries()));
  next.setHotKeyValue(selectedText(FormChoice::HotkeyValue, hotkeyValueEntries()));
  next.setStyleSimple(view_.selectedChoice(FormChoice::Style) == 1);
  next.setGoogleURL(current.getGoogleURL());
  next.setGoogleEncoding(current.getGoogleEncoding());
  next.setCommands(editor_.commandTable());
  return next;
}

Text ConfigFormController::selectedText(FormChoice list, const std::vector<Text>& entries) const {
  const int index = view_.selectedChoice(list);
  if (index < 0 || index >= static_cast<int>(entries.size())) return {};
  return entries[index];
}

// A configured name that is not one of the entries selects nothing, and the
// empty selection saves as an empty name: a broken hot key stays visibly
// broken instead of quietly becoming another working one.
void ConfigFormController::fillChoices(FormChoice list, const std::vector<Text>& entries,
                                       const Text& selected) {
  view_.setChoices(list, entries);
  const auto found = std::find(entries.begin(), entries.end(), selected);
  view_.selectChoice(list, found == entries.end() ? -1 : static_cast<int>(found - entries.begin()));
}

}  // namespace pipit
