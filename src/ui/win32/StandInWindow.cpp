#include "ui/win32/StandInWindow.h"

namespace pipit::win32 {
namespace {

constexpr wchar_t kClassName[] = L"PipitLauncherStandIn";
constexpr int kWidth = 320;
constexpr int kHeight = 120;
// Positions are stored in twips: 1440 to the inch, 15 to a pixel at 96 dpi.
constexpr int kTwipsPerPixel = 15;

}  // namespace

StandInWindow::StandInWindow(HINSTANCE instance, PositionSource storedPosition,
                             std::function<void()> onClose)
    : instance_(instance), storedPosition_(std::move(storedPosition)), onClose_(std::move(onClose)) {}

void StandInWindow::init(bool onStart) {
  if (!window_) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &StandInWindow::windowProc;
    wc.hInstance = instance_;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
    window_.reset(CreateWindowExW(WS_EX_TOPMOST, kClassName, L"ピピットランチャー",
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                                  CW_USEDEFAULT, kWidth, kHeight, nullptr, nullptr, instance_,
                                  this));
  }
  if (onStart && window_) {
    const auto [top, left] = storedPosition_();
    SetWindowPos(window_.get(), HWND_TOPMOST, left / kTwipsPerPixel, top / kTwipsPerPixel, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void StandInWindow::doHotkeyAction() {
  if (!window_) return;
  ShowWindow(window_.get(), SW_SHOW);
  SetForegroundWindow(window_.get());
}

RECT StandInWindow::bounds() const {
  RECT rect{};
  if (window_) GetWindowRect(window_.get(), &rect);
  return rect;
}

float StandInWindow::top() const { return static_cast<float>(bounds().top * kTwipsPerPixel); }
float StandInWindow::left() const { return static_cast<float>(bounds().left * kTwipsPerPixel); }

LRESULT CALLBACK StandInWindow::windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<StandInWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (msg) {
    case WM_CLOSE:
      if (self) self->onClose_();
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      RECT rect;
      GetClientRect(hwnd, &rect);
      DrawTextW(dc, L"ピピットランチャー", -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      EndPaint(hwnd, &ps);
      return 0;
    }
    default:
      return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

}  // namespace pipit::win32
