#include "RunningProgram.h"

#include <gtest/gtest.h>

#include <utility>

#include "WinTestSupport.h"

namespace pipit::wintest {
using win32::fromWide;
using win32::wide;

RunningProgram::RunningProgram(const Text& commandLine, const Text& directory) {
  // CreateProcessW may write into the command line it is given.
  Text writable = commandLine;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, reinterpret_cast<wchar_t*>(writable.data()), nullptr, nullptr, FALSE,
                      0, nullptr, directory.empty() ? nullptr : wide(directory), &startup, &info)) {
    ADD_FAILURE() << "CreateProcess failed: " << GetLastError();
    return;
  }
  CloseHandle(info.hThread);
  process_.reset(info.hProcess);
  processId_ = info.dwProcessId;
}

RunningProgram::~RunningProgram() { end(); }

RunningProgram::RunningProgram(RunningProgram&& other) noexcept
    : process_(std::move(other.process_)), processId_(std::exchange(other.processId_, 0)) {}

RunningProgram& RunningProgram::operator=(RunningProgram&& other) noexcept {
  if (this != &other) {
    end();
    process_ = std::move(other.process_);
    processId_ = std::exchange(other.processId_, 0);
  }
  return *this;
}

void RunningProgram::end() {
  if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.get(), 99);
    WaitForSingleObject(process_.get(), 5000);
  }
}

std::vector<HWND> RunningProgram::windows(const wchar_t* className) const {
  struct Search {
    DWORD pid;
    Text className;
    std::vector<HWND> found;
  } search{processId_, fromWide(className, wcslen(className)), {}};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        if (pid == s->pid && IsWindowVisible(window) && classOf(window) == s->className) {
          s->found.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND RunningProgram::waitForWindow(const wchar_t* className) const {
  HWND found = nullptr;
  waitUntil([&] {
    const auto all = windows(className);
    found = all.empty() ? nullptr : all.front();
    return found != nullptr;
  });
  return found;
}

std::optional<MessageBoxView> RunningProgram::waitForMessageBox() const {
  const HWND box = waitForWindow(L"#32770");
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

std::optional<DWORD> RunningProgram::waitForExit(std::chrono::milliseconds timeout) {
  if (!process_ ||
      WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  GetExitCodeProcess(process_.get(), &code);
  return code;
}

void answer(const MessageBoxView& box, int command) {
  PostMessageW(box.window, WM_COMMAND, static_cast<WPARAM>(command), 0);
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

Text classOf(HWND window) {
  wchar_t buffer[256] = {};
  const int n = GetClassNameW(window, buffer, 256);
  return fromWide(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
}

HWND childWithClass(HWND parent, const wchar_t* className) {
  return FindWindowExW(parent, nullptr, className, nullptr);
}

}  // namespace pipit::wintest
