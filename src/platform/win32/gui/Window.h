#pragma once
// The owner of one window and its procedure, the one procedure every
// window of the programs goes through. Messages reach the object only
// between WM_NCCREATE and WM_NCDESTROY, so none arrives at a half-built or
// half-destroyed one; an exception never crosses into the system.
#include <windows.h>

#include "base/Failure.h"
#include "platform/win32/Handles.h"

namespace pipit::win32 {

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window() = default;

  HWND handle() const { return window_.get(); }

 protected:
  struct CreateArgs {
    HINSTANCE instance = nullptr;
    const wchar_t* className = L"";
    const wchar_t* title = L"";
    DWORD style = 0;
    DWORD exStyle = 0;
    HBRUSH background = nullptr;
    HWND owner = nullptr;
    // Where the frame goes and its size; CW_USEDEFAULT lets the system place it.
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
  };
  // Registers the class once and creates the window; the failure names the
  // call that failed and the system's error number.
  Status create(const CreateArgs& args);
  virtual LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Destroys the window; a derived class calls it from its own destructor,
  // while its members can still answer the last messages.
  void destroy();

 private:
  static LRESULT CALLBACK thunk(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

  WindowHandle window_;
};

// A window's error as a failure: the call, and the system's number.
Failure lastError(const wchar_t* call);

}  // namespace pipit::win32
