#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/Handles.h"
#include "platform/win32/Win32Registry.h"

namespace pipit::win32 {
namespace {

const Text kKey = u"Software\\PipitLauncherTest\\";

class Win32RegistryTest : public ::testing::Test {
 protected:
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\PipitLauncherTest"); }
  Win32Registry registry;
};

TEST_F(Win32RegistryTest, ValuesRoundTripThroughAKeyWithATrailingSeparator) {
  {
    auto key = registry.createKey(RegistryHive::CurrentUser, kKey);
    ASSERT_TRUE(key);
    EXPECT_TRUE(key->setString(u"ピピットランチャー", u"C:\\ツール\\pipitlauncher.exe"));
    EXPECT_TRUE(key->setDword(u"n", 0xFFFFFFFEu));
  }
  auto key = registry.openKey(RegistryHive::CurrentUser, kKey);
  ASSERT_TRUE(key);
  EXPECT_EQ(key->queryString(u"ピピットランチャー"), Text(u"C:\\ツール\\pipitlauncher.exe"));
  EXPECT_EQ(key->queryDword(u"n"), 0xFFFFFFFEu);
  EXPECT_FALSE(key->queryString(u"n")) << "a number is not text";
  EXPECT_FALSE(key->queryDword(u"ピピットランチャー"));
  EXPECT_TRUE(key->deleteValue(u"n"));
  EXPECT_FALSE(key->queryDword(u"n"));
  EXPECT_FALSE(key->deleteValue(u"n"));
}

TEST_F(Win32RegistryTest, LongPathsReadBackWhole) {
  Text path = u"C:\\";
  while (path.size() < 600) path += u"とても長いフォルダ名\\";
  path += u"pipitlauncher.exe";
  auto key = registry.createKey(RegistryHive::CurrentUser, kKey);
  ASSERT_TRUE(key);
  ASSERT_TRUE(key->setString(u"long", path));
  EXPECT_EQ(key->queryString(u"long"), path);
  ASSERT_TRUE(key->setString(u"empty", u""));
  EXPECT_EQ(key->queryString(u"empty"), Text());
}

TEST_F(Win32RegistryTest, MissingKeysOpenAsNothing) {
  EXPECT_FALSE(registry.openKey(RegistryHive::CurrentUser, u"Software\\PipitLauncherTest\\Nope"));
}

}  // namespace
}  // namespace pipit::win32
