#include "extensions/common/win32/Win32FileOpener.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/Handles.h"

namespace pipit::ext::win32 {
namespace {

class FileSource final : public ByteSource {
 public:
  explicit FileSource(pipit::win32::FileHandle file) : file_(std::move(file)) {}
  std::optional<std::size_t> read(char* buffer, std::size_t size) override {
    DWORD got = 0;
    const auto wanted = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 20));
    if (!ReadFile(file_.get(), buffer, wanted, &got, nullptr)) return std::nullopt;
    return got;
  }

 private:
  pipit::win32::FileHandle file_;
};

}  // namespace

std::unique_ptr<ByteSource> Win32FileOpener::openForReading(const Text& path) {
  pipit::win32::FileHandle file(CreateFileW(pipit::win32::wide(path), GENERIC_READ,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                            nullptr));
  if (!file) return nullptr;
  return std::make_unique<FileSource>(std::move(file));
}

}  // namespace pipit::ext::win32
