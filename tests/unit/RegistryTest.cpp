#include <gtest/gtest.h>

#include "core/Registry.h"
#include "fakes/FakePorts.h"

namespace pipit {
namespace {

TEST(RegistryTest, StringsAndNumbersRoundTripAndMismatchesGiveNothing) {
  fakes::FakeRegistry system;
  Registry registry(system);
  const auto hkcu = RegistryHive::CurrentUser;
  EXPECT_TRUE(registry.setRegistryValue(hkcu, u"Software\\P", u"s", RegistryValueType::String,
                                        Text(u"テキスト")));
  EXPECT_TRUE(
      registry.setRegistryValue(hkcu, u"Software\\P", u"n", RegistryValueType::Dword, Text(u"42")));
  EXPECT_EQ(registry.getRegistryValue(hkcu, u"Software\\P", u"s", RegistryValueType::String),
            RegistryValue(Text(u"テキスト")));
  EXPECT_EQ(registry.getRegistryValue(hkcu, u"Software\\P", u"n", RegistryValueType::Dword),
            RegistryValue(uint32_t{42}));
  EXPECT_FALSE(registry.getRegistryValue(hkcu, u"Software\\P", u"n", RegistryValueType::String));
  EXPECT_FALSE(registry.getRegistryValue(hkcu, u"Software\\Q", u"s", RegistryValueType::String));
  EXPECT_FALSE(registry.setRegistryValue(hkcu, u"Software\\P", u"x", RegistryValueType::Dword,
                                         Text(u"many")));
  system.refuseWrite = true;
  EXPECT_FALSE(
      registry.setRegistryValue(hkcu, u"Software\\P", u"s", RegistryValueType::String, Text(u"x")));
  registry.deleteRegistryValue(hkcu, u"Software\\Missing", u"s");
  EXPECT_EQ(system.openCount, 0);
}

}  // namespace
}  // namespace pipit
