#include "platform/win32/Win32Registry.h"

#include <vector>

#include "platform/win32/Handles.h"

namespace pipit::win32 {
namespace {

// Query, set, create subkey, enumerate subkeys, notify, create link.
constexpr REGSAM kAccess = 0x3F;

HKEY rootOf(RegistryHive hive) {
  switch (hive) {
    case RegistryHive::ClassesRoot:
      return HKEY_CLASSES_ROOT;
    case RegistryHive::CurrentUser:
      return HKEY_CURRENT_USER;
    case RegistryHive::LocalMachine:
      return HKEY_LOCAL_MACHINE;
    case RegistryHive::Users:
      return HKEY_USERS;
  }
  return HKEY_CURRENT_USER;
}

class Win32RegistryKey final : public SystemRegistryKey {
 public:
  explicit Win32RegistryKey(HKEY key) : key_(key) {}

  bool setString(const Text& name, const Text& value) override {
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key_.get(), wide(name), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(wide(value)), bytes) == ERROR_SUCCESS;
  }

  bool setDword(const Text& name, uint32_t value) override {
    const DWORD data = value;
    return RegSetValueExW(key_.get(), wide(name), 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&data), sizeof data) == ERROR_SUCCESS;
  }

  std::optional<Text> queryString(const Text& name) const override {
    // Ask for the size first so that a value of any length reads back whole.
    for (int attempt = 0; attempt < 4; ++attempt) {
      DWORD type = 0;
      DWORD bytes = 0;
      if (RegQueryValueExW(key_.get(), wide(name), nullptr, &type, nullptr, &bytes) !=
              ERROR_SUCCESS ||
          (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return std::nullopt;
      }
      std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
      DWORD size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
      const LSTATUS status = RegQueryValueExW(key_.get(), wide(name), nullptr, &type,
                                              reinterpret_cast<BYTE*>(buffer.data()), &size);
      if (status == ERROR_MORE_DATA) continue;  // the value grew in between
      if (status != ERROR_SUCCESS) return std::nullopt;
      std::size_t length = 0;
      const std::size_t units = size / sizeof(wchar_t);
      while (length < units && buffer[length] != L'\0') ++length;
      return fromWide(buffer.data(), length);
    }
    return std::nullopt;
  }

  std::optional<uint32_t> queryDword(const Text& name) const override {
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof data;
    if (RegQueryValueExW(key_.get(), wide(name), nullptr, &type, reinterpret_cast<BYTE*>(&data),
                         &size) != ERROR_SUCCESS ||
        type != REG_DWORD) {
      return std::nullopt;
    }
    return data;
  }

  bool deleteValue(const Text& name) override {
    return RegDeleteValueW(key_.get(), wide(name)) == ERROR_SUCCESS;
  }

 private:
  KeyHandle key_;
};

}  // namespace

std::unique_ptr<SystemRegistryKey> Win32Registry::createKey(RegistryHive hive, const Text& path) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(rootOf(hive), wide(path), 0, const_cast<wchar_t*>(L""), 0, kAccess, nullptr,
                      &key, nullptr) != ERROR_SUCCESS) {
    return nullptr;
  }
  return std::make_unique<Win32RegistryKey>(key);
}

std::unique_ptr<SystemRegistryKey> Win32Registry::openKey(RegistryHive hive, const Text& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(rootOf(hive), wide(path), 0, kAccess, &key) != ERROR_SUCCESS) return nullptr;
  return std::make_unique<Win32RegistryKey>(key);
}

}  // namespace pipit::win32
