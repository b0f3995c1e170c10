// clipcmd: puts the text file named on the command line on the clipboard.
#include <windows.h>

#include <cwchar>

#include "extensions/clipcmd/ClipboardFile.h"
#include "extensions/clipcmd/win32/Win32FileReader.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Files.h"

namespace {

pipit::Text fromWide(const wchar_t* text) {
  if (text == nullptr) return {};
  return pipit::Text(reinterpret_cast<const char16_t*>(text), std::wcslen(text));
}

void tell(pipit::ext::ClipMessage message) {
  const pipit::Text text = pipit::ext::messageText(message);
  MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.c_str()), L"clipcmd",
              MB_OK | MB_SETFOREGROUND);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  using namespace pipit::ext;
  std::variant<pipit::Text, ClipMessage> loaded = ClipMessage::Failure;
  try {
    win32::Win32FileReader files;
    loaded = loadClipboardText(fromWide(commandLine), pipit::win32::Win32Files().programFolder(),
                               files, pipit::CodePage::system());
  } catch (const std::exception&) {
    // A file too big for the memory at hand: the clipboard stays as it was.
    loaded = ClipMessage::Failure;
  }
  if (const auto* message = std::get_if<ClipMessage>(&loaded)) {
    tell(*message);
    return 1;
  }
  // A clipboard that refuses the text leaves nothing more to do.
  pipit::win32::Win32Clipboard().writeText(std::get<pipit::Text>(loaded));
  return 0;
}
