#pragma once
// Stand-ins for the settings dialog's window and the core; its ports' fakes
// are the shared ones.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/Configuration.h"
#include "fakes/FakeSettingsPorts.h"
#include "settings/ConfigFormView.h"
#include "settings/SettingsCore.h"

namespace pipit::fakes {

class FakeFormView : public ConfigFormView {
 public:
  struct Choice {
    std::vector<Text> entries;
    int selected = -1;
  };
  bool canCreate = true;
  bool created = false;
  bool visible = false;
  std::map<FormCheck, bool> checks;
  std::map<FormChoice, Choice> choices;
  std::map<FormField, Text> fields;
  std::vector<Text> rows;
  int selected = -1;
  std::optional<FormFocus> focused;

  bool prepare() override { return created = canCreate; }
  void show() override { visible = true; }
  void hide() override { visible = false; }
  bool isChecked(FormCheck box) const override { return checks.count(box) && checks.at(box); }
  void setChecked(FormCheck box, bool checked) override { checks[box] = checked; }
  void setChoices(FormChoice list, const std::vector<Text>& entries) override {
    choices[list] = {entries, -1};
  }
  int selectedChoice(FormChoice list) const override {
    return choices.count(list) ? choices.at(list).selected : -1;
  }
  void selectChoice(FormChoice list, int index) override { choices[list].selected = index; }
  Text fieldText(FormField field) const override {
    return fields.count(field) ? fields.at(field) : Text();
  }
  void setFieldText(FormField field, const Text& text) override { fields[field] = text; }
  void setRows(const std::vector<Text>& all) override {
    rows = all;
    selected = -1;
  }
  void appendRow(const Text& row) override { rows.push_back(row); }
  void replaceRow(int index, const Text& row) override {
    rows.at(static_cast<std::size_t>(index)) = row;
    selected = -1;  // as a list box loses the selection of a replaced row
  }
  void removeRow(int index) override {
    rows.erase(rows.begin() + index);
    selected = -1;
  }
  void selectRow(int index) override { selected = index; }
  void focus(FormFocus control) override { focused = control; }

  // The three boxes as one value, for compact expectations.
  std::vector<Text> boxes() const {
    return {fieldText(FormField::Command), fieldText(FormField::Path),
            fieldText(FormField::Directory)};
  }
  void type(const Text& command, const Text& path, const Text& directory) {
    fields[FormField::Command] = command;
    fields[FormField::Path] = path;
    fields[FormField::Directory] = directory;
  }
};

class FakeSettingsCore : public SettingsCore {
 public:
  Configuration current;
  std::vector<Configuration> saved;
  std::optional<Failure> saveFailure;
  bool registered = false;
  std::vector<std::string> calls;

  const Configuration& getConfiguration() override { return current; }
  Status setConfiguration(const Configuration& configuration) override {
    calls.push_back("set");
    if (saveFailure) return *saveFailure;
    saved.push_back(configuration);
    current = configuration;
    return Status::success();
  }
  bool isStartupRegistered() override { return registered; }
  void registerStartup() override {
    calls.push_back("register");
    registered = true;
  }
  void unregisterStartup() override {
    calls.push_back("unregister");
    registered = false;
  }
};

}  // namespace pipit::fakes
