#include "ui/win32/TrayWindow.h"

#include "base/Product.h"
#include "platform/win32/gui/PopupMenu.h"

namespace pipit::win32 {

TrayWindow::TrayWindow(HINSTANCE instance, std::function<Outcome<HICON>()> icon, EventPump& pump,
                       TrayMenu& menu)
    : instance_(instance),
      icon_(std::move(icon)),
      pump_(pump),
      menu_(menu),
      // Explorer announces a new taskbar with this message after a restart.
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {}

TrayWindow::~TrayWindow() { destroy(); }

Status TrayWindow::create() {
  // A plain hidden top-level window: message-only windows miss the taskbar
  // broadcast.
  return Window::create(
      {instance_, kClassName, wide(Text(kProductName)), WS_OVERLAPPED, 0, nullptr, nullptr});
}

NOTIFYICONDATAW TrayWindow::record(HICON icon) const {
  NOTIFYICONDATAW data{};
  // The first version of the record is all the icon needs, and every shell
  // knows it.
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = handle();
  data.uID = 1;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kCallbackMessage;
  data.hIcon = icon;
  wcsncpy(data.szTip, wide(Text(kProductName)), 63);
  return data;
}

Status TrayWindow::addIcon() {
  // Made after her first show, which is not kept waiting for it.
  if (!handle()) {
    if (Status created = create(); !created) return created;
  }
  HICON icon = nullptr;
  if (icon_) {
    Outcome<HICON> got = icon_();
    if (!got) return got.failure();
    icon = got.value();
  }
  NOTIFYICONDATAW data = record(icon);
  Shell_NotifyIconW(NIM_ADD, &data);
  return Status::success();
}

void TrayWindow::removeIcon() {
  if (!handle()) return;
  NOTIFYICONDATAW data = record(nullptr);
  Shell_NotifyIconW(NIM_DELETE, &data);
}

std::optional<std::size_t> TrayWindow::popupMenu(const std::vector<MenuItem>& items) {
  SetForegroundWindow(handle());
  pump_.deliverPending();
  return trackPopupMenu(handle(), items);
}

LRESULT TrayWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kCallbackMessage) {
    menu_.onIconMessage(LOWORD(lParam));
    return 0;
  }
  if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    menu_.onTaskbarCreated();
    return 0;
  }
  return Window::onMessage(message, wParam, lParam);
}

}  // namespace pipit::win32
