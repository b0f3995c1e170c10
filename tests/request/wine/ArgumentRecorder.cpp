// A stand-in program for the shell tests: writes the argument text it was
// started with and its working directory, in UTF-16, to the file named by
// PIPIT_RECORDER_OUT, so the test sees exactly what arrived.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
  wchar_t out[MAX_PATH];
  if (GetEnvironmentVariableW(L"PIPIT_RECORDER_OUT", out, MAX_PATH) == 0) return 1;
  wchar_t folder[MAX_PATH];
  const DWORD length = GetCurrentDirectoryW(MAX_PATH, folder);
  const std::wstring text =
      std::wstring(arguments ? arguments : L"") + L"\n" + std::wstring(folder, length);
  // Written under a temporary name and moved, so that the test never reads
  // half a record.
  const std::wstring partial = std::wstring(out) + L".part";
  HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &written,
            nullptr);
  CloseHandle(file);
  return MoveFileExW(partial.c_str(), out, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
