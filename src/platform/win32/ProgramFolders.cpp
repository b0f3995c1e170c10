#include "platform/win32/ProgramFolders.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <cwchar>

#include "platform/win32/CoTaskMemory.h"
#include "platform/win32/Handles.h"

namespace pipit::win32 {

std::vector<ProgramFolder> knownProgramFolders() {
  struct Known {
    const KNOWNFOLDERID& id;
    bool withSubfolders;
  };
  const Known known[] = {{FOLDERID_Programs, true},
                         {FOLDERID_CommonPrograms, true},
                         {FOLDERID_Desktop, false},
                         {FOLDERID_PublicDesktop, false}};
  std::vector<ProgramFolder> folders;
  for (const Known& folder : known) {
    wchar_t* path = nullptr;
    const HRESULT found = SHGetKnownFolderPath(folder.id, 0, nullptr, &path);
    const CoTaskMemory<wchar_t> owned(path);
    if (FAILED(found) || path == nullptr) continue;
    folders.push_back({fromWide(path, std::wcslen(path)), folder.withSubfolders});
  }
  return folders;
}

}  // namespace pipit::win32
