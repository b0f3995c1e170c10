#pragma once
// Owners of Win32 handles: each closes its handle exactly once.
#include <windows.h>

#include <string>
#include <utility>

namespace pipit::win32 {

template <class H, class Traits>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(H h) : h_(h) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : h_(std::exchange(other.h_, Traits::invalid())) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(std::exchange(other.h_, Traits::invalid()));
    return *this;
  }
  ~UniqueHandle() { reset(); }

  H get() const { return h_; }
  explicit operator bool() const { return h_ != Traits::invalid(); }
  // Gives up ownership without closing.
  H release() { return std::exchange(h_, Traits::invalid()); }
  void reset(H h = Traits::invalid()) {
    if (h_ != Traits::invalid()) Traits::close(h_);
    h_ = h;
  }

 private:
  H h_ = Traits::invalid();
};

struct FileHandleTraits {
  static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
  static void close(HANDLE h) { CloseHandle(h); }
};
// Handles whose failure value is null: mappings, events, mutexes.
struct ObjectHandleTraits {
  static HANDLE invalid() { return nullptr; }
  static void close(HANDLE h) { CloseHandle(h); }
};
struct MappedViewTraits {
  static void* invalid() { return nullptr; }
  static void close(void* view) { UnmapViewOfFile(view); }
};
struct KeyHandleTraits {
  static HKEY invalid() { return nullptr; }
  static void close(HKEY h) { RegCloseKey(h); }
};
struct WindowHandleTraits {
  static HWND invalid() { return nullptr; }
  static void close(HWND h) { DestroyWindow(h); }
};

using FileHandle = UniqueHandle<HANDLE, FileHandleTraits>;
using ObjectHandle = UniqueHandle<HANDLE, ObjectHandleTraits>;
using MappedView = UniqueHandle<void*, MappedViewTraits>;
using KeyHandle = UniqueHandle<HKEY, KeyHandleTraits>;
using WindowHandle = UniqueHandle<HWND, WindowHandleTraits>;

// UTF-16 text as the W functions take it; wchar_t is 16 bits on Windows.
inline const wchar_t* wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}
inline std::u16string fromWide(const wchar_t* text, std::size_t length) {
  return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}

}  // namespace pipit::win32
