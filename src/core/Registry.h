#pragma once
// Named values under a registry key, opened and closed around each access.
#include <cstdint>
#include <optional>
#include <variant>

#include "base/Text.h"
#include "platform/SystemRegistry.h"

namespace pipit {

enum class RegistryValueType : uint32_t { String = 1, Dword = 4 };

using RegistryValue = std::variant<Text, uint32_t>;

class Registry {
 public:
  explicit Registry(SystemRegistry& system) : system_(system) {}

  // Creates or opens the key and writes the value; false when either fails
  // or the type is neither a string nor a 32-bit number.
  bool setRegistryValue(RegistryHive hive, const Text& key, const Text& name,
                        RegistryValueType type, const RegistryValue& data);
  // The value, or nothing when the key or the value is missing or the type
  // differs.
  std::optional<RegistryValue> getRegistryValue(RegistryHive hive, const Text& key,
                                                const Text& name, RegistryValueType type);
  // Deletes the value; a missing key or value is not an error.
  void deleteRegistryValue(RegistryHive hive, const Text& key, const Text& name);

 private:
  SystemRegistry& system_;
};

}  // namespace pipit
