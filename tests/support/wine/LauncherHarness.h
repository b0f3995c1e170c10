#pragma once
// Starts the real launcher in a temporary install folder and watches it as a
// user would: its windows, its message boxes, its files and its exit.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "RunningProgram.h"
#include "WinTestSupport.h"
#include "base/CodePage.h"
#include "base/Text.h"

namespace pipit::wintest {

// The launcher under test, as given on the test program's command line.
const Text& launcherExecutable();
void setLauncherExecutable(Text path);
// A program that records its arguments and working directory to the file
// named by PIPIT_RECORDER_OUT.
const Text& recorderExecutable();
void setRecorderExecutable(Text path);

class LauncherInstall {
 public:
  // An install folder with the launcher and, unless told otherwise, both
  // character models.
  explicit LauncherInstall(bool withModels = true);

  const Text& folder() const { return folder_.path(); }
  void writeConfig(TextView text) const;  // in the ANSI code page
  void writeConfigBytes(const std::string& bytes) const;
  Text config() const;
  std::string configBytes() const;
  Text debugLog() const;
  // The message of every record of "debug.txt" (the third field on).
  std::vector<Text> logMessages() const;

  // Puts the argument recorder in the folder as "recorder.exe"; the file it
  // will write, named for the launcher through PIPIT_RECORDER_OUT.
  Text installRecorder() const;
  void start();
  // Starts the launcher of this folder once more, as a user starting it
  // again would; its exit code, or nothing when it is still running.
  std::optional<DWORD> startAgain() const;
  // The first visible top-level window of the launcher with this class.
  HWND waitForWindow(const wchar_t* className) const { return launcher_.waitForWindow(className); }
  std::optional<MessageBoxView> waitForMessageBox() const { return launcher_.waitForMessageBox(); }
  void clickOk(const MessageBoxView& box) const { answer(box, IDOK); }
  // The exit code, or nothing when the launcher is still running after the
  // deadline.
  std::optional<DWORD> waitForExit(std::chrono::milliseconds timeout = std::chrono::seconds(20)) {
    return launcher_.waitForExit(timeout);
  }
  std::vector<HWND> windows(const wchar_t* className) const { return launcher_.windows(className); }
  DWORD processId() const { return launcher_.processId(); }

 private:
  TempFolder folder_;
  CodePage codePage_ = CodePage::system();
  // After the folder: ended before the folder is removed.
  RunningProgram launcher_;
};

}  // namespace pipit::wintest
