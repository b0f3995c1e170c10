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
}  // namespace

void setProgramsFolder(Text folder) { programsSlot() = std::move(folder); }

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

namespace {
Text commandLineOf(const CompanionInstall& install, TextView program, TextView arguments) {
  // Appended piece by piece: GCC 12 warns falsely on a literal + string.
  Text commandLine(1, u'"');
  commandLine.append(install.extensionFolder()).append(u"\\").append(program).append(u".exe\"");
  if (!arguments.empty()) commandLine.append(1, u' ').append(arguments);
  return commandLine;
}
}  // namespace

Companion::Companion(const CompanionInstall& install, TextView program, TextView arguments,
                     const Text& directory)
    : RunningProgram(commandLineOf(install, program, arguments), directory) {}

void pressKey(HWND window, WPARAM key) {
  // The program's own loop makes any character from these.
  PostMessageW(window, WM_KEYDOWN, key, 1);
  PostMessageW(window, WM_KEYUP, key, 1 | (1u << 30) | (1u << 31));
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
