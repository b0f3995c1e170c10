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

  // `icon` gives the character window's icon at the moment it is needed,
  // or why it has none. `menu` takes the icon's notifications.
  TrayWindow(HINSTANCE instance, std::function<Outcome<HICON>()> icon, EventPump& pump,
             TrayMenu& menu);
  ~TrayWindow() override;

  // TrayView: the window is made with the first icon.
  Status addIcon() override;
  void removeIcon() override;
  std::optional<std::size_t> popupMenu(const std::vector<MenuItem>& items) override;

 protected:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  Status create();
  NOTIFYICONDATAW record(HICON icon) const;

  HINSTANCE instance_;
  std::function<Outcome<HICON>()> icon_;
  EventPump& pump_;
  TrayMenu& menu_;
  UINT taskbarCreated_;
};

}  // namespace pipit::win32
