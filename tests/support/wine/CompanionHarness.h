#pragma once
// Starts a companion program from a temporary install folder and watches it
// as a user would: its windows, its message boxes, what the browser was
// asked to open, the clipboard and its exit.
#include <windows.h>

#include <optional>
#include <vector>

#include "RunningProgram.h"
#include "WinTestSupport.h"
#include "base/Text.h"

namespace pipit::wintest {

// The folder holding the built programs, as given on the test program's
// command line.
void setProgramsFolder(Text folder);

// "<install>\extention\" with the four programs, and the launcher's
// "config.txt" beside it.
class CompanionInstall {
 public:
  CompanionInstall();
  const Text& folder() const { return folder_.path(); }
  Text extensionFolder() const { return folder_.file(u"extention"); }
  void writeConfig(TextView text) const;  // in the ANSI code page

 private:
  TempFolder folder_;
};

class Companion : public RunningProgram {
 public:
  // Starts `program` ("routeweb") with the argument string, in `directory`.
  Companion(const CompanionInstall& install, TextView program, TextView arguments,
            const Text& directory = {});
};

// Presses a key in a window of another program.
void pressKey(HWND window, WPARAM key);

// What the desktop's browser was asked to open since this object was made.
class OpenedLog {
 public:
  OpenedLog();
  std::vector<Text> records() const;
  // Waits until `address` has been opened.
  bool waitFor(const Text& address) const;

 private:
  Text path_;
  std::size_t start_ = 0;
};

std::optional<Text> clipboardText();
void setClipboardText(const Text& text);

}  // namespace pipit::wintest
