#include "platform/win32/gui/Window.h"

namespace pipit::win32 {

Failure lastError(const wchar_t* call) {
  const DWORD error = GetLastError();
  std::u16string text = fromWide(call, wcslen(call));
  text += u" failed";
  return {static_cast<int32_t>(error), text};
}

Status Window::create(const CreateArgs& args) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (!GetClassInfoExW(args.instance, args.className, &existing)) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &Window::thunk;
    wc.hInstance = args.instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = args.background;
    wc.lpszClassName = args.className;
    if (!RegisterClassExW(&wc)) return lastError(L"RegisterClassExW");
  }
  HWND hwnd = CreateWindowExW(args.exStyle, args.className, args.title, args.style, args.x, args.y,
                              args.width, args.height, args.owner, nullptr, args.instance, this);
  if (!hwnd) return lastError(L"CreateWindowExW");
  return Status::success();  // the procedure took the handle at WM_NCCREATE
}

void Window::destroy() { window_.reset(); }

LRESULT Window::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window_.get(), message, wParam, lParam);
}

LRESULT CALLBACK Window::thunk(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    // The handle is known from here on, before CreateWindowExW returns.
    self->window_.reset(hwnd);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_NCDESTROY && self) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    // Destroyed by the system (or by the owner's reset): nothing to destroy
    // again later.
    (void)self->window_.release();
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  try {
    return self->onMessage(message, wParam, lParam);
  } catch (...) {
    // Window code goes on after a failure of its own.
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace pipit::win32
