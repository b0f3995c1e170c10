// clipcmd: puts the text file named on the command line on the clipboard.
#include <windows.h>

#include <cwchar>
#include <vector>

#include "extensions/clipcmd/ClipboardFile.h"
#include "extensions/clipcmd/win32/Win32FileReader.h"
#include "extensions/common/win32/Win32Clipboard.h"

namespace {

pipit::Text fromWide(const wchar_t* text) {
  if (text == nullptr) return {};
  return pipit::Text(reinterpret_cast<const char16_t*>(text), std::wcslen(text));
}

pipit::Text programFolder() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      const pipit::Text file(reinterpret_cast<const char16_t*>(path.data()), n);
      const auto slash = file.find_last_of(u"\\/");
      return slash == pipit::Text::npos ? pipit::Text() : file.substr(0, slash);
    }
    path.resize(path.size() * 2);
  }
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
    loaded =
        loadClipboardText(fromWide(commandLine), programFolder(), files, pipit::CodePage::system());
  } catch (const std::exception&) {
    // A file too big for the memory at hand: the clipboard stays as it was.
    loaded = ClipMessage::Failure;
  }
  if (const auto* message = std::get_if<ClipMessage>(&loaded)) {
    tell(*message);
    return 1;
  }
  // A clipboard that refuses the text leaves nothing more to do.
  win32::writeClipboardText(nullptr, std::get<pipit::Text>(loaded));
  return 0;
}
