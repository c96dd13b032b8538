#include "win/RegistryAccessor.h"

#include <cstdint>

#include "win/RegistryKey.h"

namespace win {

namespace {

struct Accessor {
  bool open = false;
  HKEY root = HKEY_CURRENT_USER;
  std::string path;
};

Accessor& TheAccessor() {
  static Accessor accessor;
  return accessor;
}

RegistryKey OpenSelected(REGSAM access) {
  const Accessor& accessor = TheAccessor();
  if (!accessor.open) return RegistryKey();
  return RegistryKey::Open(accessor.root, accessor.path, access);
}

RegistryKey CreateSelected() {
  const Accessor& accessor = TheAccessor();
  if (!accessor.open) return RegistryKey();
  return RegistryKey::Create(accessor.root, accessor.path, KEY_ALL_ACCESS);
}

}  // namespace

void RegOpenAccessor() {
  TheAccessor() = Accessor{true, HKEY_CURRENT_USER, std::string()};
}

void RegCloseAccessor() {
  TheAccessor() = Accessor{};
}

void RegSelectKey(HKEY root, const std::string& path) {
  Accessor& accessor = TheAccessor();
  if (!accessor.open) return;
  accessor.root = root;
  accessor.path = path;
}

bool RegWriteString(const std::string& name, const std::string& value) {
  return CreateSelected().WriteString(name, value);
}

bool RegWriteInteger(const std::string& name, int value) {
  return CreateSelected().WriteDword(name, static_cast<uint32_t>(value));
}

std::string RegReadString(const std::string& name, const std::string& fallback) {
  return OpenSelected(KEY_READ).ReadString(name).value_or(fallback);
}

int RegReadInteger(const std::string& name, int fallback) {
  const auto value = OpenSelected(KEY_READ).ReadDword(name);
  return value ? static_cast<int>(*value) : fallback;
}

std::vector<std::string> RegListSubkeys() {
  return OpenSelected(KEY_READ).SubkeyNames();
}

bool RegDeleteValue(const std::string& name) {
  RegistryKey key = OpenSelected(KEY_READ | KEY_WRITE);
  return key.HasValue(name) && key.DeleteValue(name);
}

bool RegDeleteSelectedKey() {
  const Accessor& accessor = TheAccessor();
  if (!accessor.open) return false;
  return DeleteKeyTree(accessor.root, accessor.path);
}

}  // namespace win
