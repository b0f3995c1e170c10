#pragma once
// The keys of her lines in the model file: the model's author writes the
// line for each, so a key is a name shared with every model folder.
#include "base/Text.h"

namespace pipit::responses {

constexpr TextView kFocus = u"CMD/FOCUS";
constexpr TextView kError = u"CMD/エラー";
constexpr TextView kCommandRun = u"CMD/コマンド実行";
constexpr TextView kWebAddress = u"CMD/URL";
constexpr TextView kSearch = u"CMD/SEARCH";
constexpr TextView kSettings = u"CMD/設定";
constexpr TextView kExit = u"CMD/終了";
constexpr TextView kUnknown = u"CMD/不明";
// After an action on a row of the input box's list.
constexpr TextView kOpenFolder = u"CMD/フォルダー";
constexpr TextView kRunAsAdmin = u"CMD/管理者";
constexpr TextView kCopyPath = u"CMD/パスコピー";
// The calculator's answer put on the clipboard, and an expression it could
// not work out.
constexpr TextView kCalculation = u"CMD/計算";
constexpr TextView kCalculationError = u"CMD/計算エラー";

}  // namespace pipit::responses
