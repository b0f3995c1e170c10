#include "platform/win32/Win32Shell.h"

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <cwchar>
#include <string>

#include "platform/win32/ComApartment.h"
#include "platform/win32/Handles.h"
#include "platform/win32/ShortcutReader.h"

namespace pipit::win32 {
namespace {
// ASSOCF_IS_PROTOCOL, declared only for programs that need Windows 8.
constexpr auto kIsProtocol = static_cast<ASSOCF>(0x1000);
// No command line, path or argument text is longer than this with its NUL.
constexpr std::size_t kLongestText = 32768;

// Registry commands and shortcuts may name their folders through variables,
// which neither CreateProcessW nor the open call's directory expands.
Text expanded(const wchar_t* text) {
  std::wstring result(kLongestText, L'\0');
  const DWORD size = static_cast<DWORD>(result.size());
  const DWORD needed = ExpandEnvironmentStringsW(text, result.data(), size);
  const wchar_t* chosen = needed > 0 && needed <= size ? result.c_str() : text;
  return fromWide(chosen, std::wcslen(chosen));
}
}  // namespace

int64_t Win32Shell::open(const Text& file, const Text& parameters, const Text& directory) {
  // Shell extensions that open a document may need COM on this thread.
  const ComApartment apartment;
  // No window of the launcher is the owner: the value 1 stands for "none
  // given" the way the launcher has always called it.
  const auto owner = reinterpret_cast<HWND>(static_cast<INT_PTR>(1));
  const HINSTANCE result =
      ShellExecuteW(owner, nullptr, wide(file), parameters.empty() ? nullptr : wide(parameters),
                    directory.empty() ? nullptr : wide(directory), SW_SHOWNORMAL);
  return static_cast<int64_t>(reinterpret_cast<INT_PTR>(result));
}

int64_t Win32Shell::showInFolder(const Text& path) {
  // Explorer's own switch selects the item: the Windows folder's Explorer,
  // not whatever program of that name lies on the search path.
  std::wstring windows(MAX_PATH, L'\0');
  windows.resize(GetWindowsDirectoryW(windows.data(), MAX_PATH));
  const Text explorer = fromWide(windows.c_str(), windows.size()) + u"\\explorer.exe";
  return open(explorer, u"/select,\"" + path + u"\"", Text());
}

int64_t Win32Shell::runAsAdministrator(const Text& file) {
  const ComApartment apartment;
  const auto owner = reinterpret_cast<HWND>(static_cast<INT_PTR>(1));
  const HINSTANCE result =
      ShellExecuteW(owner, L"runas", wide(file), nullptr, nullptr, SW_SHOWNORMAL);
  return static_cast<int64_t>(reinterpret_cast<INT_PTR>(result));
}

Text Win32Shell::schemeCommand(const Text& scheme) {
  if (scheme.empty()) return {};
  // A command longer than a command line is of no use, so one buffer of
  // that size is enough. Wine leaves the length unchanged on success.
  std::wstring command(kLongestText, L'\0');
  // The protocol flag makes Windows 8 and later answer with the browser the
  // user chose; older systems do not know it.
  const ASSOCF tried[] = {kIsProtocol, ASSOCF_NONE};
  for (const ASSOCF flags : tried) {
    DWORD length = static_cast<DWORD>(command.size());
    if (FAILED(AssocQueryStringW(flags, ASSOCSTR_COMMAND, wide(scheme), L"open", command.data(),
                                 &length))) {
      continue;
    }
    // A command kept as an expandable string names its program through
    // variables.
    return expanded(command.c_str());
  }
  return {};
}

bool Win32Shell::startCommandLine(const Text& commandLine) {
  std::wstring line(wide(commandLine), commandLine.size());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &started)) {
    return false;
  }
  const ObjectHandle process(started.hProcess);
  const ObjectHandle thread(started.hThread);
  return true;
}

std::optional<ShortcutTarget> Win32Shell::shortcutTarget(const Text& shortcut) {
  std::optional<ShortcutTarget> target = readShortcut(shortcut);
  if (!target) return std::nullopt;
  target->path = expanded(wide(target->path));
  target->arguments = expanded(wide(target->arguments));
  target->directory = expanded(wide(target->directory));
  return target;
}

}  // namespace pipit::win32
