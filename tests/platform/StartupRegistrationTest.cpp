// Logon auto-start against the real registry of the test prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/ConfigurationManager.h"
#include "fakes/FakePorts.h"
#include "platform/win32/Win32Registry.h"

namespace pipit {
namespace {

constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

class StartupRegistrationTest : public ::testing::Test {
 protected:
  void TearDown() override {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
      RegDeleteValueW(key, L"ピピットランチャー");
      RegCloseKey(key);
    }
  }
  fakes::FakeFiles files;
  fakes::FakeClock clock;
  fakes::FakeDialogs dialogs;
  fakes::FakeProcess process;
  win32::Win32Registry registry;
  CodePage cp = CodePage::system();
  Logger logger{files, clock, cp};
  ConfigurationManager manager{CorePorts{files, dialogs, process, registry, cp}, logger};
};

TEST_F(StartupRegistrationTest, RegisterCheckAndUnregister) {
  files.folder = u"C:\\ツール\\ピピット";
  EXPECT_FALSE(manager.isStartupRegistered());
  manager.registerStartup();
  EXPECT_TRUE(manager.isStartupRegistered());

  wchar_t stored[512] = {};
  DWORD size = sizeof stored;
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, kRunKey, L"ピピットランチャー", RRF_RT_REG_SZ, nullptr,
                         stored, &size),
            ERROR_SUCCESS);
  EXPECT_STREQ(stored, L"C:\\ツール\\ピピット\\pipitlauncher.exe");

  files.folder = u"D:\\Moved";
  EXPECT_FALSE(manager.isStartupRegistered()) << "the program moved since it was registered";

  manager.unregisterStartup();
  manager.unregisterStartup();  // nothing left: nothing happens
  EXPECT_FALSE(manager.isStartupRegistered());
}

TEST_F(StartupRegistrationTest, APathLongerThan255BytesStillCountsAsRegistered) {
  files.folder = u"C:";
  while (files.folder.size() < 300) files.folder += u"\\長いフォルダ";
  manager.registerStartup();
  EXPECT_TRUE(manager.isStartupRegistered());
}

}  // namespace
}  // namespace pipit
