#pragma once
// The hidden window behind the task-tray icon: it owns the icon record,
// receives the icon's notifications and pops the tray menu up.
#include <windows.h>

#include <shellapi.h>

#include <functional>

#include "platform/EventPump.h"
#include "platform/win32/gui/Window.h"
#include "ui/TrayMenu.h"

namespace pipit::win32 {

class TrayWindow final : public Window, public TrayView {
 public:
  static constexpr wchar_t kClassName[] = L"PipitLauncherTray";
  // The icon reports through the mouse-move message number, with the mouse
  // message that happened on the icon in the low word of lParam.
  static constexpr UINT kCallbackMessage = WM_MOUSEMOVE;

  // `icon` gives the character window's icon at the moment it is needed.
  // `menu` takes the icon's notifications; it may be built after the window,
  // as long as it is there before create().
  TrayWindow(HINSTANCE instance, std::function<HICON()> icon, EventPump& pump, TrayMenu& menu);
  ~TrayWindow() override;

  Status create();

  // TrayView
  void addIcon() override;
  void removeIcon() override;
  std::optional<std::size_t> popupMenu(const std::vector<MenuItem>& items) override;

 protected:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  NOTIFYICONDATAW record() const;

  HINSTANCE instance_;
  std::function<HICON()> icon_;
  EventPump& pump_;
  TrayMenu& menu_;
  UINT taskbarCreated_;
};

}  // namespace pipit::win32
