#include "extensions/common/win32/Win32Clipboard.h"

#include <cstring>

namespace pipit::ext::win32 {
namespace {

// The clipboard is shared by every program: another one may hold it open
// for a moment, so opening is tried a few times before giving up.
class OpenClipboardScope {
 public:
  explicit OpenClipboardScope(HWND owner) {
    for (int attempt = 0; attempt < 20 && !open_; ++attempt) {
      open_ = OpenClipboard(owner) != FALSE;
      if (!open_) Sleep(10);
    }
  }
  ~OpenClipboardScope() {
    if (open_) CloseClipboard();
  }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
  explicit operator bool() const { return open_; }

 private:
  bool open_ = false;
};

class GlobalLock {
 public:
  explicit GlobalLock(HGLOBAL memory) : memory_(memory), data_(lockOf(memory)) {}
  ~GlobalLock() {
    if (data_) GlobalUnlock(memory_);
  }
  GlobalLock(const GlobalLock&) = delete;
  GlobalLock& operator=(const GlobalLock&) = delete;
  void* data() const { return data_; }

 private:
  static void* lockOf(HGLOBAL memory) { return memory ? ::GlobalLock(memory) : nullptr; }
  HGLOBAL memory_;
  void* data_;
};

// Memory that is freed unless the clipboard took it over.
class GlobalMemory {
 public:
  explicit GlobalMemory(SIZE_T bytes) : memory_(GlobalAlloc(GMEM_MOVEABLE, bytes)) {}
  ~GlobalMemory() {
    if (memory_) GlobalFree(memory_);
  }
  GlobalMemory(const GlobalMemory&) = delete;
  GlobalMemory& operator=(const GlobalMemory&) = delete;
  HGLOBAL get() const { return memory_; }
  void release() { memory_ = nullptr; }

 private:
  HGLOBAL memory_;
};

}  // namespace

std::optional<Text> readClipboardText(HWND owner) {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) return std::nullopt;
  const OpenClipboardScope clipboard(owner);
  if (!clipboard) return std::nullopt;
  const HANDLE memory = GetClipboardData(CF_UNICODETEXT);
  if (!memory) return std::nullopt;
  const GlobalLock lock(memory);
  const auto* data = static_cast<const char16_t*>(lock.data());
  if (!data) return std::nullopt;
  // The text ends at its NUL, and never beyond the memory that holds it.
  const std::size_t capacity = GlobalSize(memory) / sizeof(char16_t);
  std::size_t length = 0;
  while (length < capacity && data[length] != u'\0') ++length;
  return Text(data, length);
}

bool writeClipboardText(HWND owner, const Text& text) {
  GlobalMemory memory((text.size() + 1) * sizeof(char16_t));
  if (!memory.get()) return false;
  {
    const GlobalLock lock(memory.get());
    if (!lock.data()) return false;
    std::memcpy(lock.data(), text.c_str(), (text.size() + 1) * sizeof(char16_t));
  }
  const OpenClipboardScope clipboard(owner);
  if (!clipboard || !EmptyClipboard()) return false;
  if (!SetClipboardData(CF_UNICODETEXT, memory.get())) return false;
  memory.release();  // the clipboard owns it now
  return true;
}

}  // namespace pipit::ext::win32
