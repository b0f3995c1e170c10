#pragma once
// The window "翻訳の設定": the clipboard text, the language pair, and the
// two buttons.
#include <windows.h>

#include "extensions/common/WebPage.h"
#include "platform/win32/Handles.h"

namespace pipit::ext::win32 {

struct FontTraits {
  static HFONT invalid() { return nullptr; }
  static void close(HFONT font) { DeleteObject(font); }
};
using FontHandle = pipit::win32::UniqueHandle<HFONT, FontTraits>;

class TranslationWindow {
 public:
  TranslationWindow(HINSTANCE instance, WebPorts& ports);
  ~TranslationWindow();
  TranslationWindow(const TranslationWindow&) = delete;
  TranslationWindow& operator=(const TranslationWindow&) = delete;

  // False when the window could not be made.
  bool create(int showCommand);
  // Until the window is gone.
  void runMessageLoop();

 private:
  static LRESULT CALLBACK thunk(HWND, UINT, WPARAM, LPARAM) noexcept;
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void createControls();
  void load();
  void translate();
  // Enter and Escape mean something only in the language list.
  bool handleListKey(const MSG& message);

  HINSTANCE instance_;
  WebPorts& ports_;
  HWND window_ = nullptr;
  HWND label_ = nullptr;
  HWND text_ = nullptr;
  HWND languages_ = nullptr;
  HWND execute_ = nullptr;
  HWND cancel_ = nullptr;
  FontHandle font_;
};

}  // namespace pipit::ext::win32
