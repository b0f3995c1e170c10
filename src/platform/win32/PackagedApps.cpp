#include "platform/win32/PackagedApps.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cwchar>

#include "platform/win32/CoTaskMemory.h"
#include "platform/win32/ComPtr.h"
#include "platform/win32/Handles.h"

namespace pipit::win32 {
namespace {

Text nameOf(IShellItem& item, SIGDN form) {
  wchar_t* name = nullptr;
  if (FAILED(item.GetDisplayName(form, &name)) || name == nullptr) return {};
  const CoTaskMemory<wchar_t> owned(name);
  return fromWide(name, std::wcslen(name));
}

}  // namespace

void addPackagedApps(std::vector<InstalledProgram>& found, const std::atomic<bool>& stop) {
  ComPtr<IShellItem> apps;
  if (FAILED(SHGetKnownFolderItem(FOLDERID_AppsFolder, KF_FLAG_DEFAULT, nullptr, IID_IShellItem,
                                  reinterpret_cast<void**>(apps.put())))) {
    return;
  }
  ComPtr<IEnumShellItems> items;
  if (FAILED(apps->BindToHandler(nullptr, BHID_EnumItems, IID_IEnumShellItems,
                                 reinterpret_cast<void**>(items.put())))) {
    return;
  }
  while (!stop) {
    ComPtr<IShellItem> item;
    if (items->Next(1, item.put(), nullptr) != S_OK) return;
    // The id relative to the folder is what "shell:AppsFolder\" opens.
    const Text id = nameOf(*item.get(), SIGDN_PARENTRELATIVEPARSING);
    if (!isPackagedAppId(id)) continue;
    Text name = nameOf(*item.get(), SIGDN_NORMALDISPLAY);
    if (!name.empty()) found.push_back({std::move(name), u"shell:AppsFolder\\" + id});
  }
}

}  // namespace pipit::win32
