#include "platform/win32/ShellNames.h"

#include <shlobj.h>
#include <shlwapi.h>

#include <cwchar>
#include <string>

#include "platform/win32/CoTaskMemory.h"
#include "platform/win32/Handles.h"

namespace pipit::win32 {

ShellNames::ShellNames(const Text& folder) {
  // Binding the folder once and naming its files through it costs a fifth
  // of naming each file from its full path (under Wine, 0.6 against 3 ms).
  ITEMIDLIST* list = nullptr;
  if (FAILED(SHParseDisplayName(wide(folder), nullptr, &list, 0, nullptr))) return;
  const CoTaskMemory<ITEMIDLIST> owned(list);
  ComPtr<IShellFolder> desktop;
  if (FAILED(SHGetDesktopFolder(desktop.put()))) return;
  desktop->BindToObject(list, nullptr, IID_IShellFolder, reinterpret_cast<void**>(folder_.put()));
}

Text ShellNames::displayName(const Text& fileName) const {
  if (!folder_) return {};
  std::wstring name(wide(fileName), fileName.size());  // the call wants it writable
  ITEMIDLIST* child = nullptr;
  if (FAILED(folder_->ParseDisplayName(nullptr, nullptr, name.data(), nullptr, &child, nullptr))) {
    return {};
  }
  const CoTaskMemory<ITEMIDLIST> ownedChild(child);
  STRRET shown{};
  if (FAILED(folder_->GetDisplayNameOf(child, SHGDN_INFOLDER, &shown))) return {};
  wchar_t* text = nullptr;
  if (FAILED(StrRetToStrW(&shown, child, &text))) return {};
  const CoTaskMemory<wchar_t> ownedText(text);
  return fromWide(text, std::wcslen(text));
}

}  // namespace pipit::win32
