#include "ui/win32/StandInWindow.h"

#include "platform/win32/Win32Pictures.h"

namespace pipit::win32 {
namespace {

constexpr wchar_t kClassName[] = L"PipitLauncherStandIn";
constexpr int kLineHeight = 64;  // room for her line under the picture
constexpr int kMinWidth = 320;
// Positions are stored in twips: 1440 to the inch, 15 to a pixel at 96 dpi.
constexpr int kTwipsPerPixel = 15;
constexpr COLORREF kKeyColour = RGB(255, 0, 0);

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
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
    window_.reset(CreateWindowExW(WS_EX_TOPMOST, kClassName, L"ピピットランチャー",
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                                  CW_USEDEFAULT, kMinWidth, 120, nullptr, nullptr, instance_,
                                  this));
    fitToPicture();
  }
  if (onStart && window_) {
    const auto [top, left] = storedPosition_();
    SetWindowPos(window_.get(), HWND_TOPMOST, left / kTwipsPerPixel, top / kTwipsPerPixel, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void StandInWindow::doHotkeyAction() {
  if (!window_) return;
  if (lines_) line_ = lines_->getMessage(u"CMD/FOCUS", u"");
  InvalidateRect(window_.get(), nullptr, TRUE);
  ShowWindow(window_.get(), SW_SHOW);
  SetForegroundWindow(window_.get());
}

void StandInWindow::setWindowPicture(PictureHandle picture) {
  picture_ = std::move(picture);
  fitToPicture();
  if (window_) InvalidateRect(window_.get(), nullptr, TRUE);
}

void StandInWindow::fitToPicture() {
  if (!window_) return;
  RECT rect{0, 0, kMinWidth, kLineHeight};
  if (picture_) {
    rect.right = std::max<LONG>(kMinWidth, picture_->width());
    rect.bottom = picture_->height() + kLineHeight;
  }
  AdjustWindowRectEx(&rect, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, FALSE, WS_EX_TOPMOST);
  SetWindowPos(window_.get(), nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void StandInWindow::paint(HDC dc) const {
  RECT client{};
  GetClientRect(window_.get(), &client);
  int textTop = 0;
  if (const auto* picture = dynamic_cast<const Win32Picture*>(picture_.get())) {
    // Her pictures are drawn on pure red, which the real window keys out.
    HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ old = SelectObject(source, picture->bitmap());
    TransparentBlt(dc, 0, 0, picture->width(), picture->height(), source, 0, 0, picture->width(),
                   picture->height(), kKeyColour);
    SelectObject(source, old);
    DeleteDC(source);
    textTop = picture->height();
  }
  RECT text{8, textTop + 4, client.right - 8, client.bottom - 4};
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, wide(line_), -1, &text, DT_WORDBREAK | DT_NOPREFIX);
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
      if (self) self->paint(dc);
      EndPaint(hwnd, &ps);
      return 0;
    }
    default:
      return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

}  // namespace pipit::win32
