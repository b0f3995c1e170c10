#include "platform/win32/Win32EventPump.h"

#include <utility>

namespace pipit::win32 {
namespace {

constexpr wchar_t kClassName[] = L"PipitEventPump";
constexpr UINT kPostedMessage = WM_APP;

}  // namespace

Win32EventPump::Win32EventPump(std::function<bool(MSG&)> navigate)
    : navigate_(std::move(navigate)) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &Win32EventPump::procedure;
  wc.hInstance = instance;
  wc.lpszClassName = kClassName;
  RegisterClassExW(&wc);  // fails harmlessly for a second pump
  window_.reset(
      CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr));
  if (window_) SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32EventPump::~Win32EventPump() {
  if (window_) SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

void Win32EventPump::deliver(MSG& msg) {
  if (navigate_ && navigate_(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void Win32EventPump::deliverPending() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Leave the quit request for the main loop to see.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    deliver(msg);
  }
}

void Win32EventPump::waitForEvents(uint32_t milliseconds) {
  MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

void Win32EventPump::post(std::function<void()> work) {
  {
    const std::lock_guard lock(postedMutex_);
    posted_.push_back(std::move(work));
  }
  // A message runs all the work waiting when it comes; the next finds none.
  PostMessageW(window_.get(), kPostedMessage, 0, 0);
}

void Win32EventPump::runPosted() {
  std::vector<std::function<void()>> work;
  {
    const std::lock_guard lock(postedMutex_);
    work.swap(posted_);
  }
  for (auto& step : work) {
    try {
      step();
    } catch (...) {
      // The thread's own events go on after a failure of one piece of work.
    }
  }
}

int Win32EventPump::run() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) deliver(msg);
  return static_cast<int>(msg.wParam);
}

LRESULT CALLBACK Win32EventPump::procedure(HWND hwnd, UINT message, WPARAM wParam,
                                           LPARAM lParam) noexcept {
  auto* self = reinterpret_cast<Win32EventPump*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == kPostedMessage && self) {
    self->runPosted();
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace pipit::win32
