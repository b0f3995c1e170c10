#pragma once
// A plain window that stands in for the character window until the real one
// arrives: it sits at the stored position, shows the character's current
// picture and line, and asks the launcher to end when it is closed.
#include <windows.h>

#include <functional>
#include <utility>

#include "core/LauncherParts.h"
#include "platform/win32/Handles.h"
#include "request/CharacterLines.h"
#include "ui/CharacterView.h"

namespace pipit::win32 {

class StandInWindow final : public MainWindowControl, public CharacterView {
 public:
  // The stored position as top and left in twips.
  using PositionSource = std::function<std::pair<int32_t, int32_t>()>;

  StandInWindow(HINSTANCE instance, PositionSource storedPosition, std::function<void()> onClose);
  // Where the greeting comes from; set once the model exists.
  void attachLines(CharacterLines& lines) { lines_ = &lines; }

  // MainWindowControl
  void setSimpleMode(bool simple) override { simpleMode_ = simple; }
  void init(bool onStart) override;
  void doHotkeyAction() override;
  void terminate() override {}
  float top() const override;
  float left() const override;

  // CharacterView
  bool isSimpleMode() const override { return simpleMode_; }
  void setWindowPicture(PictureHandle picture) override;
  void setEyesClosedVisible(bool) override {}
  void restartStyleTimer() override {}

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void paint(HDC dc) const;
  void fitToPicture();
  RECT bounds() const;

  HINSTANCE instance_;
  PositionSource storedPosition_;
  std::function<void()> onClose_;
  CharacterLines* lines_ = nullptr;
  WindowHandle window_;
  PictureHandle picture_;
  Text line_;
  bool simpleMode_ = false;
};

// The tray icon and command menu that have nothing to do yet.
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
