#include "CompanionHarness.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "base/CodePage.h"

namespace pipit::wintest {
using win32::fromWide;
using win32::wide;

namespace {
Text& programsSlot() {
  static Text folder;
  return folder;
}
Text& assetsSlot() {
  static Text folder;
  return folder;
}
Text classOf(HWND window) {
  wchar_t buffer[256] = {};
  const int n = GetClassNameW(window, buffer, 256);
  return fromWide(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
}
}  // namespace

void setProgramsFolder(Text folder) { programsSlot() = std::move(folder); }
void setAssetsFolder(Text folder) { assetsSlot() = std::move(folder); }
const Text& assetsFolder() { return assetsSlot(); }

CompanionInstall::CompanionInstall() {
  CreateDirectoryW(wide(extensionFolder()), nullptr);
  for (const Text program : {u"transweb", u"routeweb", u"dictweb", u"clipcmd"}) {
    const Text from = programsSlot() + u"\\" + program + u".exe";
    if (!CopyFileW(wide(from), wide(extensionFolder() + u"\\" + program + u".exe"), FALSE)) {
      ADD_FAILURE() << "cannot copy " << toUtf8(from);
    }
  }
}

void CompanionInstall::writeConfig(TextView text) const {
  writeFile(folder_.file(u"config.txt"), CodePage::system().encode(text));
}

Companion::Companion(const CompanionInstall& install, TextView program, TextView arguments,
                     const Text& directory) {
  // Appended piece by piece: GCC 12 warns falsely on a literal + string.
  Text commandLine(1, u'"');
  commandLine.append(install.extensionFolder()).append(u"\\").append(program).append(u".exe\"");
  if (!arguments.empty()) commandLine.append(1, u' ').append(arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, const_cast<wchar_t*>(wide(commandLine)), nullptr, nullptr, FALSE, 0,
                      nullptr, directory.empty() ? nullptr : wide(directory), &startup, &info)) {
    ADD_FAILURE() << "CreateProcess failed: " << GetLastError();
    return;
  }
  CloseHandle(info.hThread);
  process_.reset(info.hProcess);
  processId_ = info.dwProcessId;
}

Companion::~Companion() {
  if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.get(), 99);
    WaitForSingleObject(process_.get(), 5000);
  }
}

HWND Companion::waitForWindow(const wchar_t* wanted) const {
  struct Search {
    DWORD pid;
    Text className;
    HWND found;
  } search{processId_, fromWide(wanted, wcslen(wanted)), nullptr};
  waitUntil([&] {
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
          auto* s = reinterpret_cast<Search*>(data);
          DWORD pid = 0;
          GetWindowThreadProcessId(window, &pid);
          if (pid == s->pid && IsWindowVisible(window) && classOf(window) == s->className) {
            s->found = window;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  });
  return search.found;
}

std::optional<DWORD> Companion::waitForExit(std::chrono::milliseconds timeout) {
  if (!process_ ||
      WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  GetExitCodeProcess(process_.get(), &code);
  return code;
}

Text windowText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) {
    return {};
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, 2000, &copied)) {
    return {};
  }
  return fromWide(text.c_str(), copied);
}

HWND childWithClass(HWND parent, const wchar_t* className) {
  return FindWindowExW(parent, nullptr, className, nullptr);
}

void pressKey(HWND window, WPARAM key) {
  // The program's own loop makes any character from these.
  PostMessageW(window, WM_KEYDOWN, key, 1);
  PostMessageW(window, WM_KEYUP, key, 1 | (1u << 30) | (1u << 31));
}

std::optional<MessageBoxView> waitForMessageBox(const Companion& program) {
  const HWND box = program.waitForWindow(L"#32770");
  if (!box) return std::nullopt;
  MessageBoxView view{box, windowText(box), {}, {}};
  EnumChildWindows(
      box,
      [](HWND child, LPARAM data) -> BOOL {
        auto* v = reinterpret_cast<MessageBoxView*>(data);
        const Text name = classOf(child);
        if (name == u"Button") v->buttons.push_back(windowText(child));
        // The prompt is the one static control with text; the icon has none.
        if (name == u"Static" && !windowText(child).empty()) v->prompt = windowText(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&view));
  return view;
}

void answer(const MessageBoxView& box, int command) {
  PostMessageW(box.window, WM_COMMAND, static_cast<WPARAM>(command), 0);
}

OpenedLog::OpenedLog() {
  path_ = openedLogPath();
  start_ = path_.empty() ? 0 : readFile(path_).size();
}

std::vector<Text> OpenedLog::records() const {
  if (path_.empty()) return {};
  const std::string bytes = readFile(path_);
  std::vector<Text> lines;
  if (bytes.size() <= start_) return lines;
  // The recorder ends each address with a line feed.
  const Text text = CodePage::system().decode(bytes.substr(start_));
  std::size_t begin = 0;
  for (std::size_t lf; (lf = text.find(u'\n', begin)) != Text::npos; begin = lf + 1) {
    lines.push_back(text.substr(begin, lf - begin));
  }
  return lines;
}

bool OpenedLog::waitFor(const Text& address) const {
  return waitUntil([&] {
    for (const Text& record : records()) {
      if (record == address) return true;
    }
    return false;
  });
}

std::optional<Text> clipboardText() {
  std::optional<Text> text;
  waitUntil([&] { return OpenClipboard(nullptr) != FALSE; }, std::chrono::seconds(5));
  if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* data = static_cast<const wchar_t*>(GlobalLock(memory))) {
      text = fromWide(data, wcslen(data));
      GlobalUnlock(memory);
    }
  }
  CloseClipboard();
  return text;
}

void setClipboardText(const Text& text) {
  ASSERT_TRUE(waitUntil([&] { return OpenClipboard(nullptr) != FALSE; }, std::chrono::seconds(5)));
  EmptyClipboard();
  const SIZE_T bytes = (text.size() + 1) * sizeof(char16_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(GlobalLock(memory), text.c_str(), bytes);
  GlobalUnlock(memory);
  if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
  CloseClipboard();
}

}  // namespace pipit::wintest
