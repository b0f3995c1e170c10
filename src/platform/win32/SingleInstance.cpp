#include "platform/win32/SingleInstance.h"

namespace pipit::win32 {
namespace {

// The name of the folder's shared record. Folder names ignore case, and a
// kernel object name may not hold "\": a hash stands for the folder.
std::wstring objectName(const Text& folder) {
  std::wstring upper(folder.begin(), folder.end());
  if (!upper.empty()) CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
  UINT64 hash = 14695981039346656037ull;  // FNV-1a
  for (const wchar_t c : upper) {
    hash = (hash ^ static_cast<UINT64>(c)) * 1099511628211ull;
  }
  std::wstring name = L"Local\\PipitLauncher-";
  for (int shift = 60; shift >= 0; shift -= 4) name += L"0123456789abcdef"[(hash >> shift) & 0xF];
  return name;
}

}  // namespace

SingleInstance::SingleInstance(const Text& programFolder) {
  mapping_.reset(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                    sizeof(Shared), objectName(programFolder).c_str()));
  // Without the record she runs as before: a second start is then possible,
  // but never a start refused for nothing.
  if (!mapping_) return;
  first_ = GetLastError() != ERROR_ALREADY_EXISTS;
  view_.reset(MapViewOfFile(mapping_.get(), FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, sizeof(Shared)));
}

void SingleInstance::announce(HWND window) {
  if (!shared()) return;
  shared()->processId = GetCurrentProcessId();
  shared()->window = reinterpret_cast<UINT_PTR>(window);
}

void SingleInstance::showRunning() const {
  if (!shared()) return;
  const auto window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(shared()->window));
  if (!window || !IsWindow(window)) return;
  // The user started us, so we may hand the foreground on.
  AllowSetForegroundWindow(shared()->processId);
  PostMessageW(window, WM_HOTKEY, 0, 0);
}

}  // namespace pipit::win32
