// The shell executor with the real shell call and browser object under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "RunningProgram.h"
#include "WinTestSupport.h"
#include "base/CodePage.h"
#include "fakes/FakePorts.h"
#include "fakes/FakeRequestPorts.h"
#include "platform/win32/Win32Browser.h"
#include "platform/win32/Win32Shell.h"
#include "request/ShellExecutor.h"

namespace pipit {
namespace {

using win32::fromWide;
using win32::wide;

Text ownFolder() {
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  Text text = fromWide(path, n);
  return text.substr(0, text.rfind(u'\\'));
}

Text readUtf16(const Text& path) {
  const std::string bytes = wintest::readFile(path);
  return Text(reinterpret_cast<const char16_t*>(bytes.data()), bytes.size() / 2);
}

// A unique address per run, so that earlier runs' records cannot match.
Text uniqueAddress() {
  return u"http://pipit.example/page?run=" +
         fromWide(std::to_wstring(GetTickCount()).c_str(), std::to_wstring(GetTickCount()).size()) +
         u"&q=%E5%A4%A9";
}

class ShellExecutorWineTest : public ::testing::Test {
 protected:
  ShellExecutorWineTest() {
    files.folder = install.path();
    CreateDirectoryW(wide(install.file(u"extention")), nullptr);
    CopyFileW(wide(ownFolder() + u"\\argument_recorder.exe"),
              wide(install.file(u"extention\\recorder.exe")), FALSE);
    SetEnvironmentVariableW(L"PIPIT_RECORDER_OUT", wide(recorded));
  }

  wintest::TempFolder install;
  wintest::TempFolder work;
  const Text recorded = install.file(u"recorded.txt");
  fakes::FakeFiles files;
  fakes::FakeClock clock;
  Logger logger{files, clock, CodePage::system()};
  fakes::FakeCore core;
  win32::Win32Shell shell;
  win32::Win32Browser browser;
  ShellExecutor executor{logger, core, files, shell, browser};

  ExecutionResponse run(Text path, Text parameter = u"", Text directory = u"") {
    ExecutionRequest request;
    request.setExecutionPath(std::move(path));
    request.setParameter(std::move(parameter));
    request.setExecutionDirectory(std::move(directory));
    return executor.execute(request);
  }
  // What the Wine browser recorder has been asked to open so far.
  static Text openedLog() {
    const char* log = std::getenv("PIPIT_OPENED_LOG");
    if (!log) return {};
    return CodePage::system().decode(wintest::readFile(wintest::windowsPath(log)));
  }
};

TEST_F(ShellExecutorWineTest, StartsAProgramInTheExtensionFolderWithItsArgumentsAndDirectory) {
  const Text arguments = u"\"two words\" 天気 --flag";
  const ExecutionResponse r = run(u"@recorder.exe", arguments, work.path());
  EXPECT_FALSE(r.isError()) << toUtf8(r.getErrorCode());
  EXPECT_GT(std::stoi(toUtf8(r.getDescription())), 32);
  ASSERT_TRUE(wintest::waitUntil([&] { return wintest::fileExists(recorded); }));
  const Text got = readUtf16(recorded);
  EXPECT_EQ(toUtf8(got), toUtf8(arguments + u"\n" + work.path()));
}

TEST_F(ShellExecutorWineTest, AMissingProgramIsCode2WithItsMessage) {
  const ExecutionResponse r = run(install.file(u"nothing-here.exe"));
  EXPECT_TRUE(r.isError());
  EXPECT_EQ(r.getErrorCode(), u"2");
  EXPECT_EQ(r.getErrorMessage(), u"パスが見つかりません。");
  EXPECT_EQ(r.getDescription(), u"");
}

// Past what the open call takes, addresses go whole to their scheme's
// program: Wine's browser, which hands mailto to its mailer, the recorder.
TEST_F(ShellExecutorWineTest, LongAddressesOfEverySchemeReachTheirProgramWhole) {
  const wchar_t* key = L"Software\\Wine\\WineBrowser";
  wchar_t recorder[MAX_PATH] = {};
  DWORD size = sizeof recorder;
  RegGetValueW(HKEY_CURRENT_USER, key, L"Browsers", RRF_RT_REG_SZ, nullptr, recorder, &size);
  RegSetKeyValueW(HKEY_CURRENT_USER, key, L"Mailers", REG_SZ, recorder, size);
  Text mail = u"mailto:pipit@example.jp?body=" + uniqueAddress();
  mail.append(600 - mail.size(), u'a');
  for (const Text& address : {mail, uniqueAddress() + u"&long=" + Text(3000, u'b')}) {
    EXPECT_EQ(run(address).getErrorCode(), u"");
    EXPECT_TRUE(wintest::waitUntil([&] { return openedLog().find(address + u"\n") != Text::npos; }))
        << toUtf8(address.substr(0, 7));
  }
  RegDeleteKeyValueW(HKEY_CURRENT_USER, key, L"Mailers");
}

// Every Edit text inside a window, through all levels.
std::vector<Text> editTextsOf(HWND window) {
  std::vector<Text> texts;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM data) -> BOOL {
        wchar_t name[64];
        GetClassNameW(child, name, 64);
        if (lstrcmpiW(name, L"Edit") == 0) {
          reinterpret_cast<std::vector<Text>*>(data)->push_back(wintest::windowText(child));
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&texts));
  return texts;
}

std::vector<HWND> browserWindows() {
  std::vector<HWND> windows;
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        wchar_t name[64];
        GetClassNameW(window, name, 64);
        if (lstrcmpW(name, L"IEFrame") == 0) {
          reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

HWND browserWindowShowing(const Text& address) {
  for (HWND window : browserWindows()) {
    if (!IsWindowVisible(window)) continue;
    for (const Text& text : editTextsOf(window)) {
      if (text == address) return window;
    }
  }
  return nullptr;
}

struct ProcessHandleTraits {
  static HANDLE invalid() { return nullptr; }
  static void close(HANDLE h) { CloseHandle(h); }
};
using ProcessHandle = win32::UniqueHandle<HANDLE, ProcessHandleTraits>;

// The browser runs as its own process that the test started through the
// automation object; it must not outlive the test (it holds the test's
// output open, and ctest would wait for it).
void closeBrowsers() {
  for (HWND window : browserWindows()) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    const ProcessHandle process(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, id));
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (process && WaitForSingleObject(process.get(), 5000) != WAIT_OBJECT_0) {
      TerminateProcess(process.get(), 0);
    }
  }
}

TEST_F(ShellExecutorWineTest, NewBrowserWindowShowsTheAddress) {
  core.configuration.setNewIE(true);
  const Text address = uniqueAddress();
  const ExecutionResponse r = run(address);
  EXPECT_FALSE(r.isError());
  EXPECT_EQ(r.getDescription(), u"100");
  const bool shown = wintest::waitUntil([&] { return browserWindowShowing(address) != nullptr; });
  std::string seen;
  for (HWND window : browserWindows()) {
    for (const Text& text : editTextsOf(window)) seen += toUtf8(text) + " | ";
  }
  closeBrowsers();
  EXPECT_TRUE(shown) << seen;
  EXPECT_EQ(openedLog().find(address), Text::npos);
}

// Run with the automation object unavailable (see the test's environment).
TEST_F(ShellExecutorWineTest, WithoutBrowserObjectTheShellOpensTheAddress) {
  core.configuration.setNewIE(true);
  const Text address = uniqueAddress();
  const ExecutionResponse r = run(address);
  EXPECT_FALSE(r.isError()) << toUtf8(r.getErrorCode());
  EXPECT_GT(std::stoi(toUtf8(r.getDescription())), 32);
  EXPECT_TRUE(wintest::waitUntil([&] { return openedLog().find(address) != Text::npos; }))
      << toUtf8(openedLog());
}

}  // namespace
}  // namespace pipit
