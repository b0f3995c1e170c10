#include "settings/ConfigFormLayout.h"

#include <algorithm>

namespace pipit {
namespace {

using namespace configform;
using K = ControlKind;

std::vector<FormControl> sortedByTab(std::vector<FormControl> controls) {
  std::sort(controls.begin(), controls.end(),
            [](const FormControl& a, const FormControl& b) { return a.tab < b.tab; });
  return controls;
}

}  // namespace

const std::vector<FormControl>& ConfigFormLayout::controls() {
  // clang-format off
  static const std::vector<FormControl> all = sortedByTab({
      {kCommandFrame, K::Frame, u"コマンド", 0, {120, 120, 7815, 4095}, 18, false},
      {kCommandList, K::List, u"", kCommandFrame, {120, 240, 6960, 2040}, 0, false},
      {kUpButton, K::Button, u"↑", kCommandFrame, {7200, 720, 495, 375}, 25, false},
      {kDownButton, K::Button, u"↓", kCommandFrame, {7200, 1440, 495, 375}, 26, false},
      {kCommandLabel, K::Label, u"コマンド", kCommandFrame, {120, 2460, 1335, 255}, 24, false},
      {kCommandText, K::Edit, u"", kCommandFrame, {1560, 2400, 5535, 270}, 1, false},
      {kPathLabel, K::Label, u"パス", kCommandFrame, {120, 2820, 1335, 255}, 23, false},
      {kPathText, K::Edit, u"", kCommandFrame, {1560, 2760, 5535, 270}, 2, false},
      {kRefPathButton, K::Button, u"...", kCommandFrame, {7200, 2760, 495, 255}, 3, false},
      {kDirectoryLabel, K::Label, u"作業ディレクトリ", kCommandFrame, {120, 3180, 1335, 255}, 22, false},
      {kDirectoryText, K::Edit, u"", kCommandFrame, {1560, 3120, 5535, 270}, 4, false},
      {kPasteButton, K::Button, u"貼り付け(&P)", kCommandFrame, {720, 3480, 1095, 375}, 9, true},
      {kSeparatorButton, K::Button, u"区切り線(&L)", kCommandFrame, {3720, 3600, 1215, 375}, 7, false},
      {kDeleteButton, K::Button, u"削除(&D)", 0, {2400, 3720, 1215, 375}, 8, false},
      {kNewButton, K::Button, u"新規登録(&N)", 0, {5280, 3720, 1215, 375}, 6, false},
      {kUpdateButton, K::Button, u"上書き(&U)", 0, {6720, 3720, 1095, 375}, 5, false},
      {kHotkeyFrame, K::Frame, u"ホットキー", 0, {120, 4320, 3855, 735}, 19, false},
      {kHotkeyModCombo, K::DropDown, u"", kHotkeyFrame, {120, 240, 975, 300}, 10, false},
      {kPlusLabel, K::Label, u"＋", kHotkeyFrame, {1080, 300, 375, 255}, 20, false},
      {kHotkeyValueCombo, K::DropDown, u"", kHotkeyFrame, {1440, 240, 615, 300}, 11, false},
      {kStyleFrame, K::Frame, u"起動時スタイル", 0, {4080, 4320, 3855, 735}, 27, false},
      {kStyleCombo, K::DropDown, u"", kStyleFrame, {120, 240, 3615, 300}, 28, false},
      {kOptionFrame, K::Frame, u"オプション", 0, {120, 5160, 7815, 975}, 21, false},
      {kHideWindowCheck, K::CheckBox, u"コマンド実行後にウィンドウを隠す", kOptionFrame, {120, 240, 3135, 255}, 12, false},
      {kDebugModeCheck, K::CheckBox, u"詳細なログを記録する", kOptionFrame, {120, 600, 3135, 255}, 14, false},
      {kAutoExecCheck, K::CheckBox, u"ログオン時に自動で起動する", kOptionFrame, {3840, 240, 2895, 255}, 13, false},
      {kNewIECheck, K::CheckBox, u"新しいIEウィンドウでGoogle検索・URLオープン", kOptionFrame, {3840, 600, 3855, 255}, 15, false},
      {kCancelButton, K::Button, u"キャンセル(&C)", 0, {5040, 6240, 1335, 375}, 17, false},
      {kCommitButton, K::Button, u"設定の保存(&S)", 0, {6600, 6240, 1335, 375}, 16, false},
  });
  // clang-format on
  return all;
}

TwipsRect ConfigFormLayout::inWindow(const FormControl& control) {
  TwipsRect rect = control.rect;
  if (control.container == 0) return rect;
  for (const FormControl& frame : controls()) {
    if (frame.id != control.container) continue;
    rect.left += frame.rect.left;
    rect.top += frame.rect.top;
  }
  return rect;
}

}  // namespace pipit
