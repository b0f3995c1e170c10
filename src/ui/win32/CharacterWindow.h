#pragma once
// The character window on the desktop: her picture keyed on pure red, the
// balloons and closed-eyes overlay drawn over it, the line text box, the
// input box with its drop-down list, and the send button. It turns messages
// into calls of InputForm and InputForm's calls into controls.
#include <windows.h>

#include <array>
#include <atomic>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/InstalledPrograms.h"
#include "platform/win32/ComApartment.h"
#include "platform/win32/ComPtr.h"
#include "platform/win32/gui/GdiHandles.h"
#include "platform/win32/gui/Window.h"
#include "ui/CharacterWindowView.h"
#include "ui/InputForm.h"
#include "ui/InputKeys.h"

namespace pipit::win32 {

class InputDropTarget;

class CharacterWindow final : public Window, public CharacterWindowView {
 public:
  static constexpr wchar_t kClassName[] = L"PipitLauncherCharacter";
  static constexpr wchar_t kCaption[] = L"PipitTalk";
  static constexpr int kInputId = 100;
  static constexpr int kButtonId = 101;
  static constexpr int kMessageId = 102;
  // Posted to the input box after a drop, when the drag is over.
  static constexpr UINT kDroppedMessage = WM_APP + 1;
  // Posted to her window when the index of installed programs has a list.
  static constexpr UINT kProgramsMessage = WM_APP + 2;

  // `form` takes the window's events; it may be built after the window, as
  // long as it is there before create().
  CharacterWindow(HINSTANCE instance, InputForm& form);
  ~CharacterWindow() override;

  // Creates the hidden window and its controls.
  Status create();
  HICON icon() const { return icon_.get(); }
  // The icon at the small size, for the tray; the large one where the file
  // has no small one.
  HICON smallIcon() const { return smallIcon_ ? smallIcon_.get() : icon_.get(); }
  // Safe from any thread: the list goes to the form on the window's own
  // thread. A list not yet taken is replaced by a newer one.
  void offerPrograms(std::vector<InstalledProgram> programs);

  // CharacterWindowView
  void setWindowPicture(PictureHandle picture) override;
  void setImage(ImageId image, PictureHandle picture) override;
  void moveImage(ImageId image, PixelPoint topLeft) override;
  void setImageVisible(ImageId image, bool visible) override;
  Status loadIcon(const Text& path) override;
  void makeColourKeyed() override;
  void applyLayout(const ControlLayout& layout) override;
  void setMessageText(const Text& text) override;
  Text inputText() const override;
  void setInputText(const Text& text, bool selectAll) override;
  void setCommandWords(const std::vector<Text>& words) override;
  void showCommandList(bool open) override;
  std::optional<std::size_t> selectedListRow() const override;
  void focusInput() override;
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
  std::optional<std::size_t> popupMenu(const std::vector<MenuItem>& items) override;

 protected:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  struct Image {
    PictureHandle picture;
    PixelPoint topLeft;
    bool visible = true;
  };

  static LRESULT CALLBACK inputProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR self) noexcept;
  LRESULT onInputMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  InputState inputState(HWND hwnd) const;
  LRESULT perform(InputAction action, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  InputForm& form() const { return form_; }
  // The input box's text and selection, kept across what the combo box
  // does to them on its own when its list changes or drops down.
  struct EditState {
    Text text;
    DWORD start = 0;
    DWORD end = 0;
  };
  EditState editState() const;
  void restoreEdit(const EditState& state);
  bool listDropped() const;
  void releaseListRow();
  // Puts up to `rows` more of the words in the list, and asks for a tick
  // to go on while some are left.
  void fillList(std::size_t rows);
  void paint(HDC target) const;
  void acceptDrops();
  // The controls' font, for the window's scale.
  void makeFont();
  void invalidate(const Image& image);
  bool onImage(LPARAM point) const;

  HINSTANCE instance_;
  InputForm& form_;
  HWND message_ = nullptr;  // children: destroyed with the window
  HWND input_ = nullptr;
  HWND inputEdit_ = nullptr;
  HWND inputList_ = nullptr;  // the drop-down list of the combo box
  HWND button_ = nullptr;
  GdiObject font_;
  GdiObject balloonBrush_;
  IconHandle icon_;
  IconHandle smallIcon_;
  std::optional<OleApartment> ole_;  // outlives the drop target
  ComPtr<InputDropTarget> dropTarget_;
  Text droppedFile_;                 // of the last drop, until its message comes
  std::vector<Text> unfilledWords_;  // the list's words while it fills
  std::size_t filledWords_ = 0;      // of them, those the list holds
  // Between the index's thread and the window's: the list not yet taken,
  // and where to post word of it while the window exists.
  std::mutex programsMutex_;
  std::optional<std::vector<InstalledProgram>> offeredPrograms_;
  std::atomic<HWND> programsTarget_{nullptr};
  PictureHandle windowPicture_;
  std::array<Image, 3> images_;
  int32_t dpi_ = 96;  // of the screen she is on
  bool hotKeyRegistered_ = false;
  bool composing_ = false;      // an input-method composition is open
  bool adjustingList_ = false;  // the box's own changes are not the user's
};

}  // namespace pipit::win32
