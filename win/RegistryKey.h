#pragma once
// An open registry key that closes itself. Paths may start with a backslash,
// as the program's key names do; it is dropped before the call.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace win {

class RegistryKey {
 public:
  RegistryKey() = default;
  ~RegistryKey();
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  RegistryKey(RegistryKey&& other) noexcept;
  RegistryKey& operator=(RegistryKey&& other) noexcept;

  // Opens an existing key; the result is not open when the key is missing or refused.
  static RegistryKey Open(HKEY root, const std::string& path, REGSAM access = KEY_READ);
  // Opens the key, creating it and its missing parents.
  static RegistryKey Create(HKEY root, const std::string& path, REGSAM access = KEY_ALL_ACCESS);

  bool IsOpen() const { return key_ != nullptr; }
  HKEY Handle() const { return key_; }

  // REG_SZ or REG_EXPAND_SZ (unexpanded); nothing for a missing value or another type.
  std::optional<std::string> ReadString(const std::string& name) const;
  // REG_DWORD only; nothing for a missing value or another type.
  std::optional<uint32_t> ReadDword(const std::string& name) const;
  bool WriteString(const std::string& name, const std::string& value);
  bool WriteDword(const std::string& name, uint32_t value);
  bool HasValue(const std::string& name) const;
  bool DeleteValue(const std::string& name);
  std::vector<std::string> SubkeyNames() const;

 private:
  explicit RegistryKey(HKEY key) : key_(key) {}
  void Close();

  HKEY key_ = nullptr;
};

// Key path without leading and trailing backslashes.
std::string RelativeKeyPath(const std::string& path);

// Deletes the key with everything below it (RegDeleteKeyA on the NT family
// refuses keys that have subkeys). Refuses an empty path, which would name the root.
bool DeleteKeyTree(HKEY root, const std::string& path);

}  // namespace win
