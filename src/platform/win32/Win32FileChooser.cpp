#include "platform/win32/Win32FileChooser.h"

#include <windows.h>
// after windows.h, which it needs
#include <commdlg.h>

#include <vector>

#include "platform/win32/Handles.h"

namespace pipit::win32 {

std::optional<Text> Win32FileChooser::chooseFile(const Text& initialName) {
  // Room for a long path: the dialog fails instead of truncating a name that
  // does not fit.
  std::vector<wchar_t> name(32768, L'\0');
  if (initialName.size() < name.size()) {
    std::copy(initialName.begin(), initialName.end(), name.begin());
  }
  OPENFILENAMEW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = GetActiveWindow();
  request.lpstrFile = name.data();
  request.nMaxFile = static_cast<DWORD>(name.size());
  // Without OFN_NOCHANGEDIR the dialog moves the process's current folder to
  // wherever the user browsed, and the character's pictures, which are found
  // relative to it, could no longer be loaded.
  request.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
  if (!GetOpenFileNameW(&request)) return std::nullopt;
  std::size_t length = 0;
  while (length < name.size() && name[length] != L'\0') ++length;
  return fromWide(name.data(), length);
}

}  // namespace pipit::win32
