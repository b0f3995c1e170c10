#include "platform/win32/Win32Clipboard.h"

#include <windows.h>

#include <cstring>

#include "platform/win32/Handles.h"  // fromWide

namespace pipit::win32 {
namespace {

// The clipboard is one system-wide resource that another program may hold
// for a moment (a clipboard manager reading what was just copied): try a few
// times before giving up.
class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) {
    for (int attempt = 0; attempt < 20 && !open_; ++attempt) {
      open_ = OpenClipboard(owner) != FALSE;
      if (!open_) Sleep(10);
    }
  }
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  explicit operator bool() const { return open_; }

 private:
  bool open_ = false;
};

class LockedMemory {
 public:
  explicit LockedMemory(HGLOBAL memory) : memory_(memory), data_(GlobalLock(memory)) {}
  ~LockedMemory() {
    if (data_) GlobalUnlock(memory_);
  }
  LockedMemory(const LockedMemory&) = delete;
  LockedMemory& operator=(const LockedMemory&) = delete;
  void* data() const { return data_; }

 private:
  HGLOBAL memory_;
  void* data_;
};

// A block freed unless the clipboard took it over.
class GlobalMemory {
 public:
  explicit GlobalMemory(std::size_t bytes) : memory_(GlobalAlloc(GMEM_MOVEABLE, bytes)) {}
  ~GlobalMemory() {
    if (memory_) GlobalFree(memory_);
  }
  GlobalMemory(const GlobalMemory&) = delete;
  GlobalMemory& operator=(const GlobalMemory&) = delete;
  HGLOBAL get() const { return memory_; }
  void handOver() { memory_ = nullptr; }

 private:
  HGLOBAL memory_;
};

}  // namespace

Text Win32Clipboard::readText() {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) return {};
  OpenedClipboard clipboard(owner_);
  if (!clipboard) return {};
  const HANDLE memory = GetClipboardData(CF_UNICODETEXT);
  if (!memory) return {};
  const LockedMemory locked(memory);
  if (!locked.data()) return {};
  // Another program wrote this block: never read past its end, even when it
  // lacks the closing NUL.
  const std::size_t capacity = GlobalSize(memory) / sizeof(wchar_t);
  const auto* text = static_cast<const wchar_t*>(locked.data());
  std::size_t length = 0;
  while (length < capacity && text[length] != L'\0') ++length;
  return fromWide(text, length);
}

bool Win32Clipboard::writeText(const Text& text) {
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  GlobalMemory memory(bytes);
  if (!memory.get()) return false;
  {
    const LockedMemory locked(memory.get());
    if (!locked.data()) return false;
    std::memcpy(locked.data(), text.c_str(), bytes);
  }
  OpenedClipboard clipboard(owner_);
  if (!clipboard || !EmptyClipboard()) return false;
  if (!SetClipboardData(CF_UNICODETEXT, memory.get())) return false;
  // The system owns the block from now on.
  memory.handOver();
  return true;
}

}  // namespace pipit::win32
