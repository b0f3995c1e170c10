#include "extensions/common/win32/Win32WebPorts.h"

#include <cwchar>

#include "extensions/common/NewWindowSetting.h"
#include "platform/win32/Handles.h"

namespace pipit::ext::win32 {

Win32WebPorts::Win32WebPorts(Text programTitle)
    : dialogs_(std::move(programTitle)), ports_{dialogs_, browser_, shell_, [this] {
                                                  return loadNewIESetting(files_.programFolder(),
                                                                          opener_, codePage_);
                                                }} {}

Text commandLineArgument(const wchar_t* fromWinMain) {
  if (fromWinMain == nullptr) return {};
  return pipit::win32::fromWide(fromWinMain, std::wcslen(fromWinMain));
}

}  // namespace pipit::ext::win32
