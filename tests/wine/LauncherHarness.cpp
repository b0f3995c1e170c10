#include "LauncherHarness.h"

#include <gtest/gtest.h>

namespace pipit::wintest {
using win32::fromWide;
using win32::wide;

namespace {
Text& executableSlot() {
  static Text path;
  return path;
}
Text& recorderSlot() {
  static Text path;
  return path;
}
Text& assetsSlot() {
  static Text path;
  return path;
}

void copyFolder(const Text& from, const Text& to) {
  CreateDirectoryW(wide(to), nullptr);
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(wide(Text(from + u"\\*")), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const Text name = fromWide(found.cFileName, wcslen(found.cFileName));
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    CopyFileW(wide(Text(from + u"\\" + name)), wide(Text(to + u"\\" + name)), FALSE);
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

Text windowText(HWND hwnd) {
  wchar_t buffer[1024] = {};
  const int n = GetWindowTextW(hwnd, buffer, 1024);
  return fromWide(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
}

Text className(HWND hwnd) {
  wchar_t buffer[256] = {};
  const int n = GetClassNameW(hwnd, buffer, 256);
  return fromWide(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
}
}  // namespace

const Text& launcherExecutable() { return executableSlot(); }
void setLauncherExecutable(Text path) { executableSlot() = std::move(path); }
const Text& assetsFolder() { return assetsSlot(); }
const Text& recorderExecutable() { return recorderSlot(); }
void setRecorderExecutable(Text path) { recorderSlot() = std::move(path); }
void setAssetsFolder(Text path) { assetsSlot() = std::move(path); }

LauncherInstall::LauncherInstall(bool withModels) {
  const Text target = folder_.file(u"pipitlauncher.exe");
  if (!CopyFileW(wide(launcherExecutable()), wide(target), FALSE)) {
    ADD_FAILURE() << "cannot copy the launcher from " << toUtf8(launcherExecutable());
  }
  if (!withModels) return;
  for (const Text model : {u"model", u"model_simple"}) {
    copyFolder(assetsFolder() + u"\\" + model, folder_.file(model));
    if (!fileExists(folder_.file(model + u"\\model.conf"))) ADD_FAILURE() << "no model to copy";
  }
}

LauncherInstall::~LauncherInstall() {
  if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.get(), 99);
    WaitForSingleObject(process_.get(), 5000);
  }
}

void LauncherInstall::writeConfig(TextView text) const {
  writeFile(folder_.file(u"config.txt"), codePage_.encode(text));
}
void LauncherInstall::writeConfigBytes(const std::string& bytes) const {
  writeFile(folder_.file(u"config.txt"), bytes);
}
std::string LauncherInstall::configBytes() const { return readFile(folder_.file(u"config.txt")); }
Text LauncherInstall::config() const {
  return codePage_.decode(readFile(folder_.file(u"config.txt")));
}
Text LauncherInstall::debugLog() const {
  return codePage_.decode(readFile(folder_.file(u"debug.txt")));
}

std::vector<Text> LauncherInstall::logMessages() const {
  std::vector<Text> messages;
  for (const Text& line : splitLines(debugLog())) {
    const auto first = line.find(u'\t');
    const auto second = first == Text::npos ? Text::npos : line.find(u'\t', first + 1);
    messages.push_back(second == Text::npos ? line : line.substr(second + 1));
  }
  return messages;
}

Text LauncherInstall::installRecorder() const {
  const Text recorded = folder_.file(u"recorded.txt");
  // The launcher inherits the variable and hands it on to what it starts.
  SetEnvironmentVariableW(L"PIPIT_RECORDER_OUT", wide(recorded));
  CopyFileW(wide(recorderExecutable()), wide(folder_.file(u"recorder.exe")), FALSE);
  return recorded;
}

namespace {
// Started from another working directory, as a logon start would be.
PROCESS_INFORMATION startLauncher(const Text& program) {
  Text commandLine = u"\"" + program + u"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, const_cast<wchar_t*>(wide(commandLine)), nullptr, nullptr, FALSE, 0,
                      nullptr, nullptr, &startup, &info)) {
    ADD_FAILURE() << "CreateProcess failed: " << GetLastError();
    return {};
  }
  CloseHandle(info.hThread);
  return info;
}
}  // namespace

void LauncherInstall::start() {
  const PROCESS_INFORMATION info = startLauncher(folder_.file(u"pipitlauncher.exe"));
  process_.reset(info.hProcess ? info.hProcess : INVALID_HANDLE_VALUE);
  processId_ = info.dwProcessId;
}

std::optional<DWORD> LauncherInstall::startAgain() const {
  const PROCESS_INFORMATION info = startLauncher(folder_.file(u"pipitlauncher.exe"));
  if (!info.hProcess) return std::nullopt;
  const win32::FileHandle process(info.hProcess);
  if (WaitForSingleObject(process.get(), 20000) != WAIT_OBJECT_0) {
    TerminateProcess(process.get(), 99);
    return std::nullopt;
  }
  DWORD code = 0;
  GetExitCodeProcess(process.get(), &code);
  return code;
}

std::vector<HWND> LauncherInstall::windows(const wchar_t* wanted) const {
  struct Search {
    DWORD pid;
    Text className;
    std::vector<HWND> found;
  } search{processId_, fromWide(wanted, wcslen(wanted)), {}};
  EnumWindows(
      [](HWND hwnd, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid == s->pid && IsWindowVisible(hwnd) && className(hwnd) == s->className) {
          s->found.push_back(hwnd);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND LauncherInstall::waitForWindow(const wchar_t* wanted) const {
  HWND found = nullptr;
  waitUntil([&] {
    const auto all = windows(wanted);
    found = all.empty() ? nullptr : all.front();
    return found != nullptr;
  });
  return found;
}

std::optional<MessageBoxView> LauncherInstall::waitForMessageBox() const {
  const HWND box = waitForWindow(L"#32770");
  if (!box) return std::nullopt;
  MessageBoxView view{box, windowText(box), {}};
  // The prompt is the one static control with text; the icon has none.
  EnumChildWindows(
      box,
      [](HWND child, LPARAM lp) -> BOOL {
        auto* v = reinterpret_cast<MessageBoxView*>(lp);
        if (className(child) == u"Static" && !windowText(child).empty())
          v->prompt = windowText(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&view));
  return view;
}

void LauncherInstall::clickOk(const MessageBoxView& box) const {
  PostMessageW(box.window, WM_COMMAND, IDOK, 0);
}

std::optional<DWORD> LauncherInstall::waitForExit(std::chrono::milliseconds timeout) {
  if (!process_) return std::nullopt;
  if (WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  GetExitCodeProcess(process_.get(), &code);
  return code;
}

}  // namespace pipit::wintest
