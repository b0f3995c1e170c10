#include "platform/win32/Win32Files.h"

#include <memory>
#include <utility>
#include <vector>

#include "platform/win32/Handles.h"

namespace pipit::win32 {
namespace {

Failure failureOf(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
      return Failure::fileNotFound();
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return Failure::permissionDenied();
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return Failure::deviceIo();
    default:
      return Failure::fileAccess();
  }
}

Text modulePath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n < buffer.size()) return fromWide(buffer.data(), n);
    buffer.resize(buffer.size() * 2);
  }
}

// A read-only view of a whole file. The mapping object may close once the
// view is made: the view keeps it.
class FileView final : public MappedFile {
 public:
  FileView(MappedView view, std::size_t size) : view_(std::move(view)), size_(size) {}
  std::string_view bytes() const override { return {static_cast<const char*>(view_.get()), size_}; }

 private:
  MappedView view_;
  std::size_t size_;
};

bool writeAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace

Win32Files::Win32Files() {
  const Text path = modulePath();
  const auto slash = path.find_last_of(u"\\/");
  folder_ = slash == Text::npos ? Text() : path.substr(0, slash);
  if (folder_.size() == 2 && folder_[1] == u':') folder_ += u'\\';  // "C:" -> "C:\"
  Text file = slash == Text::npos ? path : path.substr(slash + 1);
  const auto dot = file.find_last_of(u'.');
  name_ = dot == Text::npos ? file : file.substr(0, dot);
}

FileHandle openForReading(const Text& path, DWORD& error) {
  FileHandle file(CreateFileW(wide(path), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  error = file ? ERROR_SUCCESS : GetLastError();
  return file;
}

std::optional<std::string> readRest(HANDLE file, unsigned long long limit, DWORD& error) {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size)) {
    error = GetLastError();
    return std::nullopt;
  }
  if (static_cast<unsigned long long>(size.QuadPart) > limit) {
    error = ERROR_FILE_TOO_LARGE;
    return std::nullopt;
  }
  std::string bytes;
  bytes.resize(static_cast<std::size_t>(size.QuadPart));
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD read = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
    if (!ReadFile(file, bytes.data() + done, chunk, &read, nullptr)) {
      error = GetLastError();
      return std::nullopt;
    }
    if (read == 0) break;  // the file shrank while we read it
    done += read;
  }
  bytes.resize(done);
  return bytes;
}

Outcome<std::string> Win32Files::readAll(const Text& path) const {
  DWORD error = ERROR_SUCCESS;
  const FileHandle file = openForReading(path, error);
  if (!file) return failureOf(error);
  auto bytes = readRest(file.get(), ~0ull, error);
  if (!bytes) return failureOf(error);
  return std::move(*bytes);
}

Outcome<std::unique_ptr<const MappedFile>> Win32Files::map(const Text& path) const {
  // Not while another program has it open to write: a file being written is
  // not mapped half done. Once mapped, the system refuses to cut it short.
  FileHandle file(CreateFileW(wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return failureOf(GetLastError());
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) return failureOf(GetLastError());
  // The system maps no empty file.
  if (size.QuadPart == 0)
    return std::unique_ptr<const MappedFile>(std::make_unique<FileInMemory>(""));
  const ObjectHandle mapping(CreateFileMappingW(file.get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
  if (!mapping) return failureOf(GetLastError());
  MappedView view(MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0));
  if (!view) return failureOf(GetLastError());
  return std::unique_ptr<const MappedFile>(
      std::make_unique<FileView>(std::move(view), static_cast<std::size_t>(size.QuadPart)));
}

Status Win32Files::append(const Text& path, std::string_view bytes) {
  FileHandle file(CreateFileW(wide(path), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return failureOf(GetLastError());
  if (!writeAll(file.get(), bytes)) return failureOf(GetLastError());
  return Status::success();
}

Status Win32Files::replace(const Text& path, std::string_view bytes) {
  // The new text goes to a file beside the old one and then takes its place
  // in one rename, so a crash or a full disk never leaves half a file.
  // A read-only file is the user's wish that it stays as it is (Windows
  // refuses to rename over it, Wine does not).
  const DWORD attributes = GetFileAttributesW(wide(path));
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    return Failure::permissionDenied();
  }
  const Text temporary = path + u".new";
  {
    FileHandle file(CreateFileW(wide(temporary), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return failureOf(GetLastError());
    if (!writeAll(file.get(), bytes) || !FlushFileBuffers(file.get())) {
      const DWORD error = GetLastError();
      file.reset();
      DeleteFileW(wide(temporary));
      return failureOf(error);
    }
  }
  // A reader that has the file open without delete sharing blocks the
  // rename for a moment; the companion programs only read it briefly.
  DWORD error = ERROR_SUCCESS;
  for (int attempt = 0; attempt < 20; ++attempt) {
    if (MoveFileExW(wide(temporary), wide(path),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return Status::success();
    }
    error = GetLastError();
    if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) break;
    Sleep(25);
  }
  DeleteFileW(wide(temporary));
  return failureOf(error);
}

Status Win32Files::rename(const Text& from, const Text& to) {
  // Without MOVEFILE_REPLACE_EXISTING a taken name fails the move.
  if (!MoveFileExW(wide(from), wide(to), MOVEFILE_WRITE_THROUGH)) return failureOf(GetLastError());
  return Status::success();
}

}  // namespace pipit::win32
