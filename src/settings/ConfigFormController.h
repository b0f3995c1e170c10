#pragma once
// The settings dialog's logic: fills the controls from the settings in
// force, builds new settings from them on save, and hands them to the core.
#include <vector>

#include "core/Logger.h"
#include "settings/CommandTableEditor.h"
#include "settings/ConfigFormView.h"
#include "settings/SettingsCore.h"

namespace pipit {

struct SettingsPorts {
  Dialogs& dialogs;
  Clipboard& clipboard;
  FileChooser& fileChooser;
};

class ConfigFormController {
 public:
  static constexpr TextView kSaveFailed = u"設定を保存できませんでした。";

  // The fixed entries of the three drop-down lists; index 1 of the styles is
  // the simple one.
  static const std::vector<Text>& styleEntries();
  static const std::vector<Text>& hotkeyModEntries();
  static const std::vector<Text>& hotkeyValueEntries();

  ConfigFormController(ConfigFormView& view, SettingsCore& core, const SettingsPorts& ports,
                       Logger& logger);

  // Fills every control, shows the dialog without blocking and places the
  // focus: in the command box when a path is offered for a new command, else
  // in the list on its first row. Opening again discards unsaved edits.
  void init(const Text& path, const Text& command = {});
  // Saves the settings, then the logon registration, then hides the dialog.
  // A save that fails is reported and the dialog stays open with the edits.
  void onCommit();
  // Hides the dialog; the next opening refills it.
  void onCancel();

  // New settings from the controls; what the dialog does not show is copied
  // from the settings in force.
  Configuration getConfigurationFromForm();

  CommandTableEditor& editor() { return editor_; }

 private:
  Text selectedText(FormChoice list, const std::vector<Text>& entries) const;
  void fillChoices(FormChoice list, const std::vector<Text>& entries, const Text& selected);

  ConfigFormView& view_;
  SettingsCore& core_;
  Dialogs& dialogs_;
  Logger& logger_;
  CommandTableEditor editor_;
};

}  // namespace pipit
