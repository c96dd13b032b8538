#include "tests/wine/icons/IconRegistrySupport.h"

#include "tests/unit/icons/IconScenario.h"
#include "tests/wine/WinePaths.h"
#include "win/RegistryKey.h"

namespace icons::test {

using icons::RegistryRoot;
using icons::StoredText;

HKEY RootKey(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::ClassesRoot:
      return HKEY_CLASSES_ROOT;
    case RegistryRoot::CurrentUser:
      return HKEY_CURRENT_USER;
    case RegistryRoot::LocalMachine:
      break;
  }
  return HKEY_LOCAL_MACHINE;
}

const char* RootName(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::ClassesRoot:
      return "HKCR";
    case RegistryRoot::CurrentUser:
      return "HKCU";
    case RegistryRoot::LocalMachine:
      break;
  }
  return "HKLM";
}

RawValue ReadRaw(RegistryRoot root, const std::string& path, const std::string& name) {
  RawValue value;
  const win::RegistryKey key = win::RegistryKey::Open(RootKey(root), path);
  if (!key.IsOpen()) return value;
  DWORD size = 0;
  if (RegQueryValueExA(key.Handle(), name.c_str(), nullptr, &value.type, nullptr, &size) !=
      ERROR_SUCCESS) {
    return value;
  }
  value.exists = true;
  std::string buffer(size_t(size) + 1, '\0');
  if (RegQueryValueExA(key.Handle(), name.c_str(), nullptr, &value.type,
                       reinterpret_cast<BYTE*>(&buffer[0]), &size) == ERROR_SUCCESS) {
    buffer.resize(size);
    if (value.type == REG_SZ || value.type == REG_EXPAND_SZ) {
      buffer.resize(buffer.find('\0') == std::string::npos ? buffer.size() : buffer.find('\0'));
    }
    value.data = buffer;
  }
  return value;
}

std::string Describe(const RawValue& value) {
  if (!value.exists) return "missing";
  if (value.type == REG_SZ) return "text \"" + value.data + "\"";
  if (value.type == REG_EXPAND_SZ) return "expandable text \"" + value.data + "\"";
  return "a value of another type";
}

std::string Describe(const StoredText& value) {
  switch (value.state) {
    case StoredText::State::Text:
      return "text \"" + value.text + "\"";
    case StoredText::State::OtherType:
      return "a value of another type";
    case StoredText::State::Missing:
      break;
  }
  return "missing";
}

namespace {

bool Seed(const icons::test::SeedValue& seed, std::string* failure) {
  using Type = icons::test::SeedValue::Type;
  win::RegistryKey key = win::RegistryKey::Create(RootKey(seed.root), seed.path);
  if (!key.IsOpen()) {
    *failure = "cannot create " + seed.path;
    return false;
  }
  LONG status = ERROR_SUCCESS;
  switch (seed.type) {
    case Type::Text:
    case Type::ExpandableText:
      status = RegSetValueExA(key.Handle(), seed.name.c_str(), 0,
                              seed.type == Type::Text ? REG_SZ : REG_EXPAND_SZ,
                              reinterpret_cast<const BYTE*>(seed.text.c_str()),
                              static_cast<DWORD>(seed.text.size() + 1));
      break;
    case Type::Binary: {
      const BYTE bytes[] = {0x43, 0x3A, 0x5C, 0x00, 0x2C};
      status = RegSetValueExA(key.Handle(), seed.name.c_str(), 0, REG_BINARY, bytes, sizeof(bytes));
      break;
    }
    case Type::Number: {
      const DWORD number = 3;
      status = RegSetValueExA(key.Handle(), seed.name.c_str(), 0, REG_DWORD,
                              reinterpret_cast<const BYTE*>(&number), sizeof(number));
      break;
    }
  }
  if (status != ERROR_SUCCESS) {
    *failure = "cannot write " + seed.path + " [" + seed.name + "]";
    return false;
  }
  return true;
}

}  // namespace

bool SeedScenario(std::string* failure) {
  for (const auto& key : icons::test::ScenarioKeys()) {
    // HKEY_CLASSES_ROOT shows the user's classes over the machine's, so a
    // deletion can uncover a second copy.
    for (int attempt = 0; attempt < 3; ++attempt) {
      if (!win::RegistryKey::Open(RootKey(key.first), key.second).IsOpen()) break;
      win::DeleteKeyTree(RootKey(key.first), key.second);
    }
    if (win::RegistryKey::Open(RootKey(key.first), key.second).IsOpen()) {
      *failure = std::string("cannot empty ") + RootName(key.first) + key.second;
      return false;
    }
  }
  for (const icons::test::SeedValue& seed : icons::test::ScenarioSeeds()) {
    if (!Seed(seed, failure)) return false;
  }
  return true;
}

int ExpectedWindowsVersion() {
  const std::string machine = winetest::EnvironmentOr("QUORLO_TEST_VERSION", "winxp");
  return machine == "winxp" ? 5 : machine == "win2k" ? 4 : 2;
}

}  // namespace icons::test
