#include "platform/win32/ShortcutReader.h"

#include <objbase.h>
#include <shlguid.h>
#include <shlwapi.h>

#include <cwchar>

#include "platform/win32/Handles.h"

namespace pipit::win32 {
namespace {
// Shortcuts are a few hundred bytes to a few kilobytes; anything this large
// is not one the shell would make.
constexpr uint64_t kLargestShortcut = 1 << 20;
}  // namespace

ShortcutReader::ShortcutReader() : path_(32768, L'\0') {
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(link_.put())))) {
    link_->QueryInterface(IID_IPersistStream, reinterpret_cast<void**>(persist_.put()));
  }
}

std::optional<Text> ShortcutReader::targetPath(const Text& file, uint64_t size) {
  if (!persist_ || size == 0 || size > kLargestShortcut) return std::nullopt;
  // The link object loads from a stream over bytes read in one go: its own
  // file loading reads in many small pieces, three times slower under Wine.
  // One object is made for all files, as making one costs more than loading.
  const FileHandle handle(CreateFileW(wide(file), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!handle) return std::nullopt;
  bytes_.resize(static_cast<std::size_t>(size));
  DWORD read = 0;
  if (!ReadFile(handle.get(), bytes_.data(), static_cast<DWORD>(size), &read, nullptr) ||
      read != size) {
    return std::nullopt;
  }
  ComPtr<IStream> stream;
  *stream.put() = SHCreateMemStream(reinterpret_cast<const BYTE*>(bytes_.data()), read);
  if (!stream || FAILED(persist_->Load(stream.get()))) return std::nullopt;
  path_[0] = L'\0';
  const HRESULT got = link_->GetPath(path_.data(), static_cast<int>(path_.size()), nullptr, 0);
  // A link that loaded but names no path is one the shell opens some other way.
  if (got != S_OK) return Text();
  return fromWide(path_.c_str(), std::wcslen(path_.c_str()));
}

}  // namespace pipit::win32
