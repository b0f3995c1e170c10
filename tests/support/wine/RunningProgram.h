#pragma once
// A program a test started, watched as a user would: its windows, its
// message boxes and its exit. One still running when the test lets go of it
// is ended.
#include <windows.h>

#include <chrono>
#include <optional>
#include <vector>

#include "base/Text.h"
#include "platform/win32/Handles.h"

namespace pipit::wintest {

// A message box as the user sees it.
struct MessageBoxView {
  HWND window = nullptr;
  Text title;
  Text prompt;
  std::vector<Text> buttons;
};
// Presses the box's button of `command` (IDOK, IDCANCEL).
void answer(const MessageBoxView& box, int command);

class RunningProgram {
 public:
  RunningProgram() = default;
  // Starts `commandLine` in `directory`, or in the test's own when empty; a
  // program that cannot be started fails the test.
  explicit RunningProgram(const Text& commandLine, const Text& directory = {});
  ~RunningProgram();
  RunningProgram(RunningProgram&& other) noexcept;
  RunningProgram& operator=(RunningProgram&& other) noexcept;

  DWORD processId() const { return processId_; }
  // Its visible top-level windows of this class.
  std::vector<HWND> windows(const wchar_t* className) const;
  // The first of them, once there is one; null after the deadline.
  HWND waitForWindow(const wchar_t* className) const;
  std::optional<MessageBoxView> waitForMessageBox() const;
  // The exit code, or nothing when still running after the deadline.
  std::optional<DWORD> waitForExit(std::chrono::milliseconds timeout = std::chrono::seconds(20));

 private:
  void end();

  win32::ObjectHandle process_;
  DWORD processId_ = 0;
};

// A window's text and class, asked of whichever process owns it.
Text windowText(HWND window);
Text classOf(HWND window);
HWND childWithClass(HWND parent, const wchar_t* className);

}  // namespace pipit::wintest
