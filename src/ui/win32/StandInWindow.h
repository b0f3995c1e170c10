#pragma once
// A plain window that stands in for the character window until she arrives:
// it sits at the stored position, shows the product name and asks the
// launcher to end when it is closed.
#include <windows.h>

#include <functional>
#include <utility>

#include "core/LauncherParts.h"
#include "platform/win32/Handles.h"

namespace pipit::win32 {

class StandInWindow final : public MainWindowControl {
 public:
  // The stored position as top and left in twips.
  using PositionSource = std::function<std::pair<int32_t, int32_t>()>;

  StandInWindow(HINSTANCE instance, PositionSource storedPosition, std::function<void()> onClose);

  void setSimpleMode(bool simple) override { simpleMode_ = simple; }
  void init(bool onStart) override;
  void doHotkeyAction() override;
  void terminate() override {}
  float top() const override;
  float left() const override;

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  RECT bounds() const;

  HINSTANCE instance_;
  PositionSource storedPosition_;
  std::function<void()> onClose_;
  WindowHandle window_;
  bool simpleMode_ = false;
};

// The model, tray icon and command menu that have nothing to do yet.
class StandInModel final : public ModelLoader {
 public:
  Status loadModel() override { return Status::success(); }
};
class StandInTrayMenu final : public TrayMenuControl {
 public:
  void init() override {}
  void terminate() override {}
};
class StandInCommandMenu final : public CommandMenuControl {
 public:
  void init() override {}
};

}  // namespace pipit::win32
