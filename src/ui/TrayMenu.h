#pragma once
// The task-tray icon and its menu: show, hide, exit.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/LauncherParts.h"
#include "core/Logger.h"
#include "platform/Dialogs.h"
#include "platform/Process.h"
#include "request/LauncherCore.h"
#include "ui/MenuItem.h"

namespace pipit {

class TrayView {
 public:
  virtual ~TrayView() = default;
  // Puts the icon up, her window's icon in it; the failure when that icon
  // does not read or the tray's window cannot be made.
  virtual Status addIcon() = 0;
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

  struct Ports {
    Dialogs& dialogs;
    Logger& logger;
    Process& process;
  };

  TrayMenu(TrayView& view, TrayTarget& window, LauncherCore& core, const Ports& ports)
      : view_(view), window_(window), core_(core), ports_(ports) {}

  // Puts the icon up; one that cannot be ends start-up with the box of her
  // window's failure.
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
  Ports ports_;
  bool iconShown_ = false;
};

}  // namespace pipit
