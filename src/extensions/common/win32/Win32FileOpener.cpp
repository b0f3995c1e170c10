#include "extensions/common/win32/Win32FileOpener.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/Win32Files.h"

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
  DWORD error = ERROR_SUCCESS;
  pipit::win32::FileHandle file = pipit::win32::openForReading(path, error);
  if (!file) return nullptr;
  return std::make_unique<FileSource>(std::move(file));
}

}  // namespace pipit::ext::win32
