#pragma once
// The window "翻訳の設定": the clipboard text, the language pair, and the
// two buttons. It turns messages into calls of the controller and the
// controller's calls into controls.
#include <windows.h>

#include "extensions/common/WebPage.h"
#include "extensions/transweb/TranslationController.h"
#include "extensions/transweb/TranslationView.h"
#include "platform/win32/gui/GdiHandles.h"
#include "platform/win32/gui/Twips.h"
#include "platform/win32/gui/Window.h"

namespace pipit::ext::win32 {

class TranslationWindow final : private pipit::win32::Window, private TranslationView {
 public:
  TranslationWindow(HINSTANCE instance, WebPorts& ports);
  ~TranslationWindow() override;

  // False when the window could not be made.
  bool create(int showCommand);
  // Until the window is gone.
  void runMessageLoop();

 private:
  // TranslationView
  Text text() const override;
  void setText(const Text& text) override;
  void setLabel(const Text& label) override;
  void setLanguages(const std::vector<Text>& entries) override;
  int selectedLanguage() const override;
  void selectLanguage(int index) override;
  void show() override;
  void close() override;

  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void createControls();
  // Sizes the window and places the controls for the scale `dpi`, in a font
  // made for it, at its making and at every change of scale.
  void layoutAt(pipit::win32::Dpi dpi);
  // Enter and Escape in the language list go to the controller, before the
  // dialog navigation sees them.
  bool handleListKey(const MSG& message);

  HINSTANCE instance_;
  TranslationController controller_;
  int showCommand_ = SW_SHOWNORMAL;
  HWND label_ = nullptr;  // children: destroyed with the window
  HWND text_ = nullptr;
  HWND languages_ = nullptr;
  HWND execute_ = nullptr;
  HWND cancel_ = nullptr;
  pipit::win32::GdiObject font_;
};

}  // namespace pipit::ext::win32
