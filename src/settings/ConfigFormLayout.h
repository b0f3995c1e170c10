#pragma once
// Where the settings dialog's controls sit, in twips (1/1440 inch), so that
// the dialog has the same physical size on every screen. Toolkit-free, so
// that the table itself can be checked natively.
#include <cstdint>
#include <vector>

#include "base/Pixels.h"
#include "base/Text.h"

namespace pipit {

// The control identifiers, which tests also use to find the controls.
// 1 and 2 are left out: the dialog manager sends them for Enter and Escape,
// and this dialog has no default or cancel button.
namespace configform {
enum ControlId : int {
  kCommandFrame = 100,
  kCommandList,
  kUpButton,
  kDownButton,
  kCommandLabel,
  kCommandText,
  kPathLabel,
  kPathText,
  kRefPathButton,
  kDirectoryLabel,
  kDirectoryText,
  kPasteButton,
  kSeparatorButton,
  kDeleteButton,
  kNewButton,
  kUpdateButton,
  kHotkeyFrame,
  kHotkeyModCombo,
  kPlusLabel,
  kHotkeyValueCombo,
  kStyleFrame,
  kStyleCombo,
  kOptionFrame,
  kHideWindowCheck,
  kDebugModeCheck,
  kAutoExecCheck,
  kNewIECheck,
  kCancelButton,
  kCommitButton,
};
}  // namespace configform

enum class ControlKind { Frame, List, Button, Label, Edit, DropDown, CheckBox };

struct FormControl {
  int id;
  ControlKind kind;
  TextView caption;
  int container;   // a frame's id, 0 for the window
  TwipsRect rect;  // relative to the container
  int tab;         // place in the keyboard order, 0 first
  bool hidden;
};

struct ConfigFormLayout {
  static constexpr TextView kCaption = u"ピピットランチャーの設定";
  static constexpr int32_t kClientWidth = 8055;
  static constexpr int32_t kClientHeight = 6735;
  // The margin inside the window and each frame.
  static constexpr int32_t kSpacing = 120;

  // Every control, in keyboard order.
  static const std::vector<FormControl>& controls();
  // A control's rectangle relative to the window's client area.
  static TwipsRect inWindow(const FormControl& control);
};

}  // namespace pipit
