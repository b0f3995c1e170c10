#pragma once
// The registry as a set of keys with named values. Keys close when their
// object goes away.
#include <cstdint>
#include <memory>
#include <optional>

#include "base/Text.h"

namespace pipit {

// The predefined root keys, by their handle values.
enum class RegistryHive : uint32_t {
  ClassesRoot = 0x80000000u,
  CurrentUser = 0x80000001u,
  LocalMachine = 0x80000002u,
  Users = 0x80000003u,
};

class SystemRegistryKey {
 public:
  virtual ~SystemRegistryKey() = default;
  virtual bool setString(const Text& name, const Text& value) = 0;
  virtual bool setDword(const Text& name, uint32_t value) = 0;
  // Reads the whole value however long it is; nothing when it is missing or
  // of another type.
  virtual std::optional<Text> queryString(const Text& name) const = 0;
  virtual std::optional<uint32_t> queryDword(const Text& name) const = 0;
  virtual bool deleteValue(const Text& name) = 0;
};

class SystemRegistry {
 public:
  virtual ~SystemRegistry() = default;
  // Both open with the access mask 0x3F (query, set, create subkey,
  // enumerate, notify, create link); nothing on failure.
  virtual std::unique_ptr<SystemRegistryKey> createKey(RegistryHive hive, const Text& path) = 0;
  virtual std::unique_ptr<SystemRegistryKey> openKey(RegistryHive hive, const Text& path) = 0;
};

}  // namespace pipit
