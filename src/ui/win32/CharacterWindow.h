#pragma once
// The character window on the desktop: her picture keyed on pure red, the
// balloons and closed-eyes overlay drawn over it, the line text box, her
// input box (a control of its own) and the send button. It turns messages
// into calls of InputForm and InputForm's calls into controls.
#include <windows.h>

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "platform/win32/gui/GdiHandles.h"
#include "platform/win32/gui/Window.h"
#include "ui/CharacterWindowView.h"
#include "ui/InputForm.h"
#include "ui/win32/InputBox.h"

namespace pipit::win32 {

class CharacterWindow final : public Window, public CharacterWindowView {
 public:
  static constexpr wchar_t kClassName[] = L"PipitLauncherCharacter";
  static constexpr wchar_t kCaption[] = L"PipitTalk";
  static constexpr int kInputId = 100;
  static constexpr int kButtonId = 101;
  static constexpr int kMessageId = 102;

  // `form` takes the window's events; it may be built after the window, as
  // long as it is there before create().
  CharacterWindow(HINSTANCE instance, InputForm& form);
  ~CharacterWindow() override;

  // Creates the hidden window and its controls.
  Status create();
  HICON icon() const { return icon_.get(); }
  // The icon at the small size, for the tray; the large one where the file
  // has no small one. An icon whose reading waited for her first show is
  // read now, and one that does not read is the failure.
  Outcome<HICON> trayIcon();
  InputBox& inputBox() { return input_; }

  // CharacterWindowView
  void setWindowPicture(PictureHandle picture) override;
  void setImage(ImageId image, PictureHandle picture) override;
  void moveImage(ImageId image, PixelPoint topLeft) override;
  void setImageVisible(ImageId image, bool visible) override;
  Status loadIcon(const Text& path) override;
  void makeColourKeyed() override;
  void applyLayout(const ControlLayout& layout) override;
  void setMessageText(const Text& text) override;
  void show() override;
  void hide() override;
  bool isVisible() const override;
  void setTopMost() override;
  PixelPoint position() const override;
  void moveTo(PixelPoint topLeft) override;
  int32_t dpi() const override { return dpi_; }
  double twipsPerPixelX() const override;
  double twipsPerPixelY() const override;
  bool registerHotKey(uint8_t modifiers, uint8_t key) override;
  void unregisterHotKey() override;
  void startTimer(TimerId timer, uint32_t milliseconds) override;
  void stopTimer(TimerId timer) override;
  std::optional<std::size_t> popupMenu(const std::vector<MenuItem>& items,
                                       bool underInput = false) override;

 protected:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  struct Image {
    PictureHandle picture;
    PixelPoint topLeft;
    bool visible = true;
  };

  InputForm& form() const { return form_; }
  void paint(HDC target) const;
  // Drops through OLE are taken once a drag from elsewhere can come. A
  // drag never tells the window it passes over, so the trigger is what
  // comes before one: the pointer over her, or the user at another window
  // (the press that starts a drag there takes the activation from her).
  void acceptDrops() { input_.acceptDrops(); }
  // The controls' font, for the window's scale.
  void makeFont();
  void invalidate(const Image& image);
  Status readIcon(const Text& path);
  bool onImage(LPARAM point) const;

  HINSTANCE instance_;
  InputForm& form_;
  InputBox input_;          // outlives the window, which destroys its control
  HWND message_ = nullptr;  // children: destroyed with the window
  HWND button_ = nullptr;
  GdiObject font_;
  GdiObject balloonBrush_;
  IconHandle icon_;
  IconHandle smallIcon_;
  Text unreadIcon_;  // a file found before her first show, read for the tray
  PictureHandle windowPicture_;
  std::array<Image, 3> images_;
  int32_t dpi_ = 96;  // of the screen she is on
  bool hotKeyRegistered_ = false;
  bool shown_ = false;  // once, ever
};

}  // namespace pipit::win32
