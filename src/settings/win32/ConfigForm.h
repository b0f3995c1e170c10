#pragma once
// The settings dialog as a Win32 window: a plain window with child controls
// that the launcher's message loop runs through IsDialogMessageW, so that it
// never blocks the character window. It turns messages into calls of the
// controller and the controller's calls into controls.
#include <windows.h>

#include <functional>

#include "core/Logger.h"
#include "platform/win32/gui/GdiHandles.h"
#include "platform/win32/gui/Twips.h"
#include "platform/win32/gui/Window.h"
#include "request/ConfigFormControl.h"
#include "settings/ConfigFormController.h"
#include "settings/ConfigFormLayout.h"
#include "settings/ConfigFormView.h"

namespace pipit::win32 {

class ConfigForm final : public ConfigFormControl, private Window, private ConfigFormView {
 public:
  static constexpr wchar_t kClassName[] = L"PipitConfigForm";

  // `icon` gives her icon as the character window holds it now, or null.
  ConfigForm(HINSTANCE instance, SettingsCore& core, const SettingsPorts& ports, Logger& logger,
             std::function<HICON()> icon = {});
  ~ConfigForm() override;

  // Opens the dialog, creating its window on first use or after the close
  // box destroyed it.
  void init(const Text& path, const Text& command) override;
  // The dialog's window, null while it has none.
  using Window::handle;

 private:
  // ConfigFormView
  bool prepare() override;
  void show() override;
  void hide() override;
  bool isChecked(FormCheck box) const override;
  void setChecked(FormCheck box, bool checked) override;
  void setChoices(FormChoice list, const std::vector<Text>& entries) override;
  int selectedChoice(FormChoice list) const override;
  void selectChoice(FormChoice list, int index) override;
  Text fieldText(FormField field) const override;
  void setFieldText(FormField field, const Text& text) override;
  void setRows(const std::vector<Text>& rows) override;
  void appendRow(const Text& row) override;
  void replaceRow(int index, const Text& row) override;
  void removeRow(int index) override;
  void selectRow(int index) override;
  void focus(FormFocus control) override;

  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void onCommand(int id, int code);
  Status createWindow();
  void createControls();
  // Sizes the window and places the controls for the scale `dpi`, in a font
  // made for it; the controls keep their text, selection and state.
  void layoutAt(Dpi dpi);
  void setListTabStops();
  void showIcon();
  HWND control(int id) const { return GetDlgItem(handle(), id); }

  HINSTANCE instance_;
  Logger& logger_;
  ConfigFormController controller_;
  Dpi dpi_;
  GdiObject font_;
  std::function<HICON()> icon_;
  // The window's own copy of her icon: the character window destroys hers
  // when a style switch reloads the model, and this window may be open then.
  IconHandle shownIcon_;
  // The control that had the focus when the dialog was last deactivated:
  // a plain window, unlike a dialog box, does not give it back by itself.
  HWND lastFocus_ = nullptr;
};

}  // namespace pipit::win32
