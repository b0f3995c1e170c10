#include "extensions/clipcmd/win32/Win32FileReader.h"

#include <windows.h>

#include <algorithm>

namespace pipit::ext::win32 {
namespace {

FileBytes problem(ReadProblem what) { return {what, {}}; }

// clipcmd keeps to itself: its own owner of the one handle it opens.
class File {
 public:
  explicit File(HANDLE handle) : handle_(handle) {}
  ~File() {
    if (*this) CloseHandle(handle_);
  }
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

FileBytes Win32FileReader::readAll(const Text& path) {
  const File file(CreateFileW(reinterpret_cast<const wchar_t*>(path.c_str()), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    switch (GetLastError()) {
      case ERROR_FILE_NOT_FOUND:
        return problem(ReadProblem::MissingFile);
      case ERROR_PATH_NOT_FOUND:
        return problem(ReadProblem::MissingFolder);
      default:
        return problem(ReadProblem::Other);
    }
  }
  BY_HANDLE_FILE_INFORMATION information{};
  if (!GetFileInformationByHandle(file.get(), &information) ||
      (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return problem(ReadProblem::Other);
  }
  const long long size =
      (static_cast<long long>(information.nFileSizeHigh) << 32) | information.nFileSizeLow;
  if (size > kLargestFile) return problem(ReadProblem::Other);

  FileBytes result;
  result.bytes.resize(static_cast<std::size_t>(size));
  std::size_t done = 0;
  while (done < result.bytes.size()) {
    DWORD got = 0;
    const auto chunk =
        static_cast<DWORD>(std::min<std::size_t>(result.bytes.size() - done, 1u << 24));
    if (!ReadFile(file.get(), result.bytes.data() + done, chunk, &got, nullptr)) {
      return problem(ReadProblem::Other);
    }
    if (got == 0) break;  // the file shrank while we read it
    done += got;
  }
  result.bytes.resize(done);
  return result;
}

}  // namespace pipit::ext::win32
