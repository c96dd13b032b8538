// The icon settings on Wine's real registry: the opening, edit and Apply
// that the native tests play on the in-memory registry, played here through
// the Windows registry, must leave the same values, as plain strings.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "win/VersionRule.h"
#include "icons/IconCache.h"
#include "icons/IconSettings.h"
#include "icons/WindowsRegistryStore.h"
#include "tests/unit/icons/IconScenario.h"
#include "tests/wine/WinePaths.h"
#include "win/Paths.h"
#include "win/RegistryKey.h"
#include "win/Version.h"

namespace {

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

// A value as the registry holds it, read without the code under test.
struct RawValue {
  bool exists = false;
  DWORD type = REG_NONE;
  std::string data;
};

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

// The same words the native tests print, plus the stored type of a text.
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

void Seed(const icons::test::SeedValue& seed) {
  using Type = icons::test::SeedValue::Type;
  win::RegistryKey key = win::RegistryKey::Create(RootKey(seed.root), seed.path);
  ASSERT_TRUE(key.IsOpen()) << seed.path;
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
  ASSERT_EQ(status, ERROR_SUCCESS) << seed.path << " [" << seed.name << "]";
}

int RunningWindowsVersion() {
  const win::OsVersion version = win::ReadOsVersion();
  return win::WindowsVersionFromNumbers(version.platformId, version.major, version.minor);
}

class IconRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string machine = winetest::EnvironmentOr("QUORLO_TEST_VERSION", "winxp");
    const int expected = machine == "winxp" ? 5 : machine == "win2k" ? 4 : 2;
    windowsVersion_ = RunningWindowsVersion();
    ASSERT_EQ(windowsVersion_, expected) << "the machine does not act as " << machine;
    systemDirectory_ = win::SystemDirectory();
    ASSERT_FALSE(systemDirectory_.empty());

    // Wine's own class registrations may hold icons of these objects: the
    // play starts from its seeds alone.
    for (const auto& key : icons::test::ScenarioKeys()) {
      // HKEY_CLASSES_ROOT shows the user's classes over the machine's, so a
      // deletion can uncover a second copy.
      for (int attempt = 0; attempt < 3; ++attempt) {
        if (!win::RegistryKey::Open(RootKey(key.first), key.second).IsOpen()) break;
        win::DeleteKeyTree(RootKey(key.first), key.second);
      }
      ASSERT_FALSE(win::RegistryKey::Open(RootKey(key.first), key.second).IsOpen())
          << RootName(key.first) << key.second;
    }
    for (const icons::test::SeedValue& seed : icons::test::ScenarioSeeds()) {
      ASSERT_NO_FATAL_FAILURE(Seed(seed));
    }
  }

  void ExpectValuesAfterApply() {
    for (const icons::test::ExpectedValue& expected :
         icons::test::ScenarioAfterApply(systemDirectory_, windowsVersion_)) {
      EXPECT_EQ(Describe(ReadRaw(expected.root, expected.path, expected.name)),
                Describe(expected.value))
          << RootName(expected.root) << expected.path << " [" << expected.name << "]";
    }
  }

  int windowsVersion_ = 0;
  std::string systemDirectory_;
};

TEST_F(IconRegistryTest, OpeningEditingApplyingAndReopeningLeaveThePredictedValues) {
  icons::WindowsRegistryStore registry;
  int steps = 0;
  icons::IconCatalogue catalogue =
      icons::LoadIconCatalogue(registry, systemDirectory_, [&](int entry, const icons::IconEntry&) {
        EXPECT_EQ(entry, steps);
        ++steps;
      });
  EXPECT_EQ(steps, icons::kIconCount);
  const icons::IconCatalogue loaded = icons::test::ScenarioLoaded(systemDirectory_);
  for (int entry = 0; entry < icons::kIconCount; ++entry) {
    EXPECT_EQ(catalogue[entry], loaded[entry]) << entry;
  }

  icons::test::ScenarioEdit(catalogue);
  const icons::IconWriteResult applied = icons::ApplyIcons(registry, catalogue, windowsVersion_);
  ASSERT_TRUE(applied.ok) << applied.message;
  ExpectValuesAfterApply();

  // A later opening reads what Apply wrote and leaves every backup as it was.
  catalogue = icons::LoadIconCatalogue(registry, systemDirectory_, nullptr);
  icons::IconCatalogue edited = loaded;
  icons::test::ScenarioEdit(edited);
  EXPECT_EQ(catalogue[51], edited[51]);
  EXPECT_EQ(catalogue[22], edited[22]);
  EXPECT_EQ(icons::DefaultIconEntry(registry, systemDirectory_, 51), loaded[51]);
  ExpectValuesAfterApply();
}

TEST_F(IconRegistryTest, TheShellIconSizeIsOneLessAtTheFirstBroadcastAndBackAtTheSecond) {
  constexpr char kMetrics[] = "Control Panel\\Desktop\\WindowMetrics";
  icons::WindowsRegistryStore registry;
  const auto sizeNow = [&] {
    return Describe(ReadRaw(RegistryRoot::CurrentUser, kMetrics, "Shell Icon Size"));
  };

  win::RegistryKey metrics = win::RegistryKey::Create(HKEY_CURRENT_USER, kMetrics);
  ASSERT_TRUE(metrics.IsOpen());
  metrics.DeleteValue("Shell Icon Size");
  std::vector<std::string> seen;
  icons::IconWriteResult result =
      icons::RebuildIconCache(registry, 48, [&] { seen.push_back(sizeNow()); });
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(seen, (std::vector<std::string>{"text \"47\"", "text \"48\""}));

  ASSERT_TRUE(metrics.WriteString("Shell Icon Size", "32"));
  seen.clear();
  result = icons::RebuildIconCache(registry, 48, [&] { seen.push_back(sizeNow()); });
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(seen, (std::vector<std::string>{"text \"31\"", "text \"32\""}));

  ASSERT_TRUE(metrics.WriteString("Shell Icon Size", "large"));
  seen.clear();
  result = icons::RebuildIconCache(registry, 48, [&] { seen.push_back(sizeNow()); });
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, "'large' is not a valid integer value");
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(sizeNow(), "text \"large\"");

  ASSERT_TRUE(metrics.WriteDword("Shell Icon Size", 32));
  result = icons::RebuildIconCache(registry, 48, [&] { seen.push_back(sizeNow()); });
  EXPECT_EQ(result.message, "Invalid data type for 'Shell Icon Size'");
  EXPECT_TRUE(seen.empty());
}

}  // namespace
