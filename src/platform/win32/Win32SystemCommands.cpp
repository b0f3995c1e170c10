#include "platform/win32/Win32SystemCommands.h"

#include <windows.h>

#include <powrprof.h>
#include <shellapi.h>

#include "platform/win32/Handles.h"

namespace pipit::win32 {
namespace {

// The system's message for the error, as the user would read it.
Failure systemFailure(DWORD error) {
  wchar_t* message = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
  Text text =
      length ? fromWide(message, length) : Text(u"エラー ") + fromUtf8(std::to_string(error));
  if (message) LocalFree(message);
  while (!text.empty() && (text.back() == u'\n' || text.back() == u'\r')) text.pop_back();
  return {static_cast<int32_t>(error), text};
}

Status lastFailure() { return systemFailure(GetLastError()); }

bool takeShutdownPrivilege() {
  HANDLE raw = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &raw)) {
    return false;
  }
  const ObjectHandle token(raw);
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (!LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) {
    return false;
  }
  // It answers success with ERROR_NOT_ALL_ASSIGNED when the privilege is not ours.
  return AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr) &&
         GetLastError() == ERROR_SUCCESS;
}

Status exitWindows(UINT how) {
  if (how != EWX_LOGOFF && !takeShutdownPrivilege()) return lastFailure();
  if (!ExitWindowsEx(how, SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_FLAG_PLANNED)) {
    return lastFailure();
  }
  return Status::success();
}

}  // namespace

Status Win32SystemCommands::run(SystemCommand command) {
  switch (command) {
    case SystemCommand::lock:
      return LockWorkStation() ? Status::success() : lastFailure();
    case SystemCommand::sleep:
      if (!takeShutdownPrivilege()) return lastFailure();
      return SetSuspendState(FALSE, FALSE, FALSE) ? Status::success() : lastFailure();
    case SystemCommand::restart:
      return exitWindows(EWX_REBOOT);
    case SystemCommand::shutDown:
      return exitWindows(EWX_SHUTDOWN | EWX_POWEROFF);
    case SystemCommand::signOut:
      return exitWindows(EWX_LOGOFF);
    case SystemCommand::emptyRecycleBin: {
      const HRESULT emptied =
          SHEmptyRecycleBinW(nullptr, nullptr, SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI);
      // An empty bin is emptied already.
      if (SUCCEEDED(emptied) || emptied == E_UNEXPECTED) return Status::success();
      return systemFailure(static_cast<DWORD>(emptied));
    }
  }
  return Status::success();
}

}  // namespace pipit::win32
