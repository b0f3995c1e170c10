#pragma once
// The task-tray icon and its menu: show, hide, exit.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/LauncherParts.h"
#include "platform/Dialogs.h"
#include "request/LauncherCore.h"
#include "ui/MenuItem.h"

namespace pipit {

class TrayView {
 public:
  virtual ~TrayView() = default;
  virtual void addIcon() = 0;
  virtual void removeIcon() = 0;
  // Brings the tray's window to the front, delivers the waiting events once
  // and pops the menu up at the pointer; the chosen index, if any.
  virtual std::optional<std::size_t> popupMenu(const std::vector<MenuItem>& items) = 0;
};

// What the tray does to the character window.
class TrayTarget {
 public:
  virtual ~TrayTarget() = default;
  virtual void doHotkeyAction() = 0;
  // Empties the input box and hides the window, without a line.
  virtual void hideFromTray() = 0;
};

class TrayMenu final : public TrayMenuControl {
 public:
  static constexpr uint32_t kLeftButtonDown = 0x201;
  static constexpr uint32_t kRightButtonDown = 0x204;

  TrayMenu(TrayView& view, TrayTarget& window, LauncherCore& core, Dialogs& dialogs)
      : view_(view), window_(window), core_(core), dialogs_(dialogs) {}

  void init() override;
  void terminate() override;
  // A notification from the icon: the mouse message that happened on it.
  void onIconMessage(uint32_t mouseMessage);
  // The taskbar was created anew (Explorer restarted): the icon is put back.
  void onTaskbarCreated();

  static std::vector<MenuItem> items();

 private:
  void menuExit_Click();

  TrayView& view_;
  TrayTarget& window_;
  LauncherCore& core_;
  Dialogs& dialogs_;
  bool iconShown_ = false;
};

}  // namespace pipit
