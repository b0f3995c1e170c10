#include "ui/win32/RowIcons.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>

#include "platform/win32/ComApartment.h"
#include "platform/win32/gui/Window.h"

namespace pipit::win32 {
namespace {

// More kept would be rows long scrolled by: the cache starts again.
constexpr std::size_t kMostIcons = 512;

// The program the scheme of `address` is opened with, or nothing.
Text schemeProgram(const Text& address) {
  const std::size_t colon = address.find(u':');
  if (colon == Text::npos || colon == 0) return Text();
  std::wstring program(MAX_PATH, L'\0');
  DWORD size = MAX_PATH;
  if (FAILED(AssocQueryStringW(ASSOCF_NOTRUNCATE, ASSOCSTR_EXECUTABLE,
                               wide(address.substr(0, colon)), L"open", program.data(), &size))) {
    return Text();
  }
  return fromWide(program.c_str(), wcslen(program.c_str()));
}

}  // namespace

IconHandle shellIconOf(const Text& target, int size) {
  Text path = target;
  if (path.size() >= 2 && path.front() == u'"' && path.back() == u'"') {
    path = path.substr(1, path.size() - 2);
  }
  if (path.empty() || path.front() == u'$') return IconHandle();
  if (path.find(u"://") != Text::npos) path = schemeProgram(path);
  if (path.empty()) return IconHandle();
  const UINT which =
      SHGFI_ICON | (size <= GetSystemMetrics(SM_CXSMICON) ? SHGFI_SMALLICON : SHGFI_LARGEICON);
  SHFILEINFOW info{};
  // Through the item list, shortcuts and apps' addresses are the shell's
  // own items; a path the shell cannot find gets the icon of its type.
  PIDLIST_ABSOLUTE item = nullptr;
  if (SUCCEEDED(SHParseDisplayName(wide(path), nullptr, &item, 0, nullptr)) && item) {
    SHGetFileInfoW(reinterpret_cast<LPCWSTR>(item), 0, &info, sizeof info, which | SHGFI_PIDL);
    CoTaskMemFree(item);
  }
  if (!info.hIcon) {
    SHGetFileInfoW(wide(path), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                   which | SHGFI_USEFILEATTRIBUTES);
  }
  return IconHandle(info.hIcon);
}

RowIcons::~RowIcons() {
  {
    const std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wanted_.notify_all();
  if (thread_.joinable()) thread_.join();
}

RowIcons::Icon RowIcons::icon(const Text& target, int size) {
  Key key{target, size};
  const std::lock_guard lock(mutex_);
  // Only this thread draws with the icons: it alone lets them go.
  if (icons_.size() >= kMostIcons) icons_.clear();
  if (const auto found = icons_.find(key); found != icons_.end()) {
    return {true, found->second.get()};
  }
  if (std::find(queue_.begin(), queue_.end(), key) == queue_.end()) {
    queue_.push_back(std::move(key));
    wanted_.notify_one();
  }
  if (!thread_.joinable()) thread_ = std::thread([this] { run(); });
  return {};
}

void RowIcons::run() {
  const ComApartment com;
  std::unique_lock lock(mutex_);
  for (;;) {
    wanted_.wait(lock, [this] { return stop_ || !queue_.empty(); });
    if (stop_) return;
    const Key key = queue_.front();
    lock.unlock();
    IconHandle fetched = shellIconOf(key.first, key.second);
    lock.lock();
    queue_.pop_front();
    icons_.try_emplace(key, std::move(fetched));  // never one the box may be drawing
    // Drawn again once the icons asked for together have come.
    if (queue_.empty()) PostMessageW(window_, message_, 0, 0);
  }
}

}  // namespace pipit::win32
