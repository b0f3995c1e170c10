#pragma once
// The settings dialog as its logic sees it: a passive set of controls. The
// Win32 window implements it; tests use a fake.
#include <vector>

#include "base/Text.h"

namespace pipit {

enum class FormCheck { HideWindow, DebugMode, AutoExec, NewIE };
enum class FormChoice { Style, HotkeyMod, HotkeyValue };
enum class FormField { Command, Path, Directory };
enum class FormFocus { CommandList, CommandText };

class ConfigFormView {
 public:
  virtual ~ConfigFormView() = default;

  // Creates the window and its controls when there is none yet; false when
  // it cannot be created.
  virtual bool prepare() = 0;
  // Shows the window without blocking and brings it to the front.
  virtual void show() = 0;
  virtual void hide() = 0;

  virtual bool isChecked(FormCheck box) const = 0;
  virtual void setChecked(FormCheck box, bool checked) = 0;

  virtual void setChoices(FormChoice list, const std::vector<Text>& entries) = 0;
  // The selected entry's index, -1 for none.
  virtual int selectedChoice(FormChoice list) const = 0;
  virtual void selectChoice(FormChoice list, int index) = 0;

  virtual Text fieldText(FormField field) const = 0;
  virtual void setFieldText(FormField field, const Text& text) = 0;

  // The command list shows the editor's rows; the editor owns them and their
  // selection and tells the list every change.
  virtual void setRows(const std::vector<Text>& rows) = 0;
  virtual void appendRow(const Text& row) = 0;
  virtual void replaceRow(int index, const Text& row) = 0;
  virtual void removeRow(int index) = 0;
  virtual void selectRow(int index) = 0;  // -1 for none

  virtual void focus(FormFocus control) = 0;
};

}  // namespace pipit
