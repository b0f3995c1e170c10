#include "platform/win32/ShortcutReader.h"

#include <objbase.h>
#include <shlguid.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <cwchar>

#include "platform/InstalledPrograms.h"
#include "platform/win32/CoTaskMemory.h"
#include "platform/win32/ComApartment.h"
#include "platform/win32/Handles.h"

namespace pipit::win32 {
namespace {
// Shortcuts are a few hundred bytes to a few kilobytes; anything this large
// is not one the shell would make.
constexpr uint64_t kLargestShortcut = 1 << 20;
}  // namespace

std::optional<Text> itemListPath(IShellLinkW& link) {
  PIDLIST_ABSOLUTE items = nullptr;
  if (link.GetIDList(&items) != S_OK || !items) return std::nullopt;
  const CoTaskMemory<ITEMIDLIST> owned(items);
  std::wstring path(32768, L'\0');
  if (!SHGetPathFromIDListEx(items, path.data(), static_cast<DWORD>(path.size()), GPFIDL_DEFAULT) ||
      path[0] == L'\0') {
    return std::nullopt;
  }
  return fromWide(path.c_str(), std::wcslen(path.c_str()));
}

std::optional<ShortcutTarget> readShortcut(const Text& file) {
  const ComApartment apartment;
  ComPtr<IShellLinkW> link;
  ComPtr<IPersistFile> persist;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(link.put()))) ||
      FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(persist.put()))) ||
      FAILED(persist->Load(wide(file), STGM_READ))) {
    return std::nullopt;
  }
  std::wstring buffer(32768, L'\0');
  const int size = static_cast<int>(buffer.size());
  const auto text = [&] { return fromWide(buffer.c_str(), std::wcslen(buffer.c_str())); };
  if (link->GetPath(buffer.data(), size, nullptr, SLGP_RAWPATH) != S_OK || buffer[0] == L'\0') {
    return std::nullopt;
  }
  ShortcutTarget target;
  target.path = text();
  if (GetFileAttributesW(buffer.c_str()) == INVALID_FILE_ATTRIBUTES) {
    std::optional<Text> named = itemListPath(*link.get());
    if (named && GetFileAttributesW(wide(*named)) != INVALID_FILE_ATTRIBUTES) {
      target.path = std::move(*named);
    }
  }
  buffer[0] = L'\0';
  if (SUCCEEDED(link->GetArguments(buffer.data(), size))) target.arguments = text();
  buffer[0] = L'\0';
  if (SUCCEEDED(link->GetWorkingDirectory(buffer.data(), size))) target.directory = text();
  return target;
}

ShortcutReader::ShortcutReader() : path_(32768, L'\0') {
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(link_.put())))) {
    link_->QueryInterface(IID_IPersistStream, reinterpret_cast<void**>(persist_.put()));
  }
}

bool ShortcutReader::readBytes(const Text& file, uint64_t size) {
  if (size == 0 || size > kLargestShortcut) return false;
  const FileHandle handle(CreateFileW(wide(file), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!handle) return false;
  bytes_.resize(static_cast<std::size_t>(size));
  DWORD read = 0;
  return ReadFile(handle.get(), bytes_.data(), static_cast<DWORD>(size), &read, nullptr) &&
         read == size;
}

std::optional<Text> ShortcutReader::internetAddress(const Text& file, uint64_t size) {
  if (!readBytes(file, size)) return std::nullopt;
  return internetShortcutAddress(bytes_, ansi_);
}

std::optional<Text> ShortcutReader::targetPath(const Text& file, uint64_t size) {
  if (!persist_) return std::nullopt;
  // The link object loads from a stream over bytes read in one go: its own
  // file loading reads in many small pieces, three times slower under Wine.
  // One object is made for all files, as making one costs more than loading.
  if (!readBytes(file, size)) return std::nullopt;
  const auto read = static_cast<UINT>(bytes_.size());
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
