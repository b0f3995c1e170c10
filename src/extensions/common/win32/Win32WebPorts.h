#pragma once
// The real ports of a web companion program, wired once in its entry point.
#include "base/CodePage.h"
#include "extensions/common/WebPage.h"
#include "extensions/common/win32/Win32FileOpener.h"
#include "platform/win32/Win32Browser.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Shell.h"

namespace pipit::ext::win32 {

class Win32WebPorts {
 public:
  // `programTitle` captions the program's question box.
  explicit Win32WebPorts(Text programTitle);
  Win32WebPorts(const Win32WebPorts&) = delete;
  Win32WebPorts& operator=(const Win32WebPorts&) = delete;

  WebPorts& ports() { return ports_; }

 private:
  pipit::win32::Win32Dialogs dialogs_;
  pipit::win32::Win32Browser browser_;
  pipit::win32::Win32Shell shell_;
  pipit::win32::Win32Files files_;
  Win32FileOpener opener_;
  CodePage codePage_ = CodePage::system();
  WebPorts ports_;
};

// The program's command line without the program's own name.
Text commandLineArgument(const wchar_t* fromWinMain);

}  // namespace pipit::ext::win32
