#include "core/Registry.h"

#include "base/Number.h"

namespace pipit {

bool Registry::setRegistryValue(RegistryHive hive, const Text& key, const Text& name,
                                RegistryValueType type, const RegistryValue& data) {
  const auto opened = system_.createKey(hive, key);
  if (!opened) return false;
  switch (type) {
    case RegistryValueType::String:
      if (const auto* text = std::get_if<Text>(&data)) return opened->setString(name, *text);
      return opened->setString(name, decimalText(std::get<uint32_t>(data)));
    case RegistryValueType::Dword:
      if (const auto* number = std::get_if<uint32_t>(&data)) return opened->setDword(name, *number);
      if (const auto parsed = toInt32(std::get<Text>(data))) {
        return opened->setDword(name, static_cast<uint32_t>(parsed.value()));
      }
      return false;
  }
  return false;
}

std::optional<RegistryValue> Registry::getRegistryValue(RegistryHive hive, const Text& key,
                                                        const Text& name, RegistryValueType type) {
  const auto opened = system_.openKey(hive, key);
  if (!opened) return std::nullopt;
  switch (type) {
    case RegistryValueType::String:
      if (auto text = opened->queryString(name)) return RegistryValue(std::move(*text));
      return std::nullopt;
    case RegistryValueType::Dword:
      if (auto number = opened->queryDword(name)) return RegistryValue(*number);
      return std::nullopt;
  }
  return std::nullopt;
}

void Registry::deleteRegistryValue(RegistryHive hive, const Text& key, const Text& name) {
  if (const auto opened = system_.openKey(hive, key)) opened->deleteValue(name);
}

}  // namespace pipit
