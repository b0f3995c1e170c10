#pragma once
#include "platform/SystemRegistry.h"

namespace pipit::win32 {

class Win32Registry final : public SystemRegistry {
 public:
  std::unique_ptr<SystemRegistryKey> createKey(RegistryHive hive, const Text& path) override;
  std::unique_ptr<SystemRegistryKey> openKey(RegistryHive hive, const Text& path) override;
};

}  // namespace pipit::win32
