#include <gtest/gtest.h>

#include <string>

#include "platform/InstalledPrograms.h"

namespace pipit {
namespace {

TEST(InstalledProgramsTest, OnlyPackagedAppIdsAreTakenFromTheAppsFolder) {
  for (const TextView id : {u"Maker.Game_0a1b2c3d4e5f6!App", u"a_zyxwvtsrqpnmk!x"})
    EXPECT_TRUE(isPackagedAppId(id)) << toUtf8(id);
  // No app id, a letter outside the alphabet, upper case, 12 characters, a path.
  for (const TextView id : {u"Maker.Game_0a1b2c3d4e5f6!", u"Maker.Game_0a1b2c3d4e5fi!App",
                            u"Maker.Game_0A1B2C3D4E5F6!App", u"Maker.Game_0a1b2c3d4e5f!App",
                            u"{6D809377-6AF0-444B-8957-A3773F02200E}\\Tool_0a1b2c3d4e5f6!x.exe"})
    EXPECT_FALSE(isPackagedAppId(id)) << toUtf8(id);
}

TEST(InstalledProgramsTest, EachNameAndTargetIsListedOnceWithTheFileOneOfThemKnows) {
  std::vector<InstalledProgram> programs{{u"b", u"b.lnk"},
                                         {u"a", u"a.lnk"},
                                         {u"b", u"b.lnk", u"C:\\b.exe"},
                                         {u"a", u"x.lnk", u"C:\\a.exe"},
                                         {u"a", u"a.lnk"}};
  removeDuplicates(programs);
  EXPECT_EQ(programs,
            (std::vector<InstalledProgram>{
                {u"a", u"a.lnk"}, {u"a", u"x.lnk", u"C:\\a.exe"}, {u"b", u"b.lnk", u"C:\\b.exe"}}));
}

TEST(InstalledProgramsTest, AnInternetShortcutIsListedOnlyWithAnAddressTheShellCouldOpen) {
  const CodePage cp = CodePage::named("CP932");
  const std::string top = "[InternetShortcut]\r\n", longest(kLongestShortcutAddress - 8, 'a');
  std::string utf16 = "\xFF\xFE";
  for (const char16_t c : Text(u"[InternetShortcut]\nURL=https://例.jp/"))
    utf16.append({static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)});
  const std::pair<std::string, std::optional<Text>> cases[] = {
      {"[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,11\r\n" + top +
           "url = https://a.example/ \r\nURL=https://b.example/\r\n",
       u"https://a.example/"},
      {top + cp.encode(u"URL=https://例.jp/\r\n"), u"https://例.jp/"},
      {utf16, u"https://例.jp/"},
      {top + "URL=https://" + longest, u"https://" + fromUtf8(longest)},
      {top + "URL=https://a" + longest, std::nullopt},
      {top + "URL=https://" + std::string(100'000, 'a'), std::nullopt},
      {std::string("\x9A\0\xFF[InternetShortcut]\rURL=\x81\x7F\x01", 29), std::nullopt},
      {top + "URL=  \r\n[Other]\r\nURL=https://a.example/\r\n", std::nullopt},
  };
  for (const auto& [bytes, address] : cases)
    EXPECT_EQ(internetShortcutAddress(bytes, cp), address) << bytes.substr(0, 60);
}

}  // namespace
}  // namespace pipit
