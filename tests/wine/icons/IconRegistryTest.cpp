// The icon settings on Wine's real registry: the opening, edit and Apply
// that the native tests play on the in-memory registry, played here through
// the Windows registry, must leave the same values, as plain strings.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "icons/IconCache.h"
#include "icons/IconSettings.h"
#include "icons/WindowsRegistryStore.h"
#include "tests/unit/icons/IconScenario.h"
#include "tests/wine/icons/IconRegistrySupport.h"
#include "win/Paths.h"
#include "win/RegistryKey.h"
#include "win/Version.h"
#include "win/VersionRule.h"

namespace {

using icons::RegistryRoot;
using icons::test::Describe;
using icons::test::ReadRaw;
using icons::test::RootName;

int RunningWindowsVersion() {
  const win::OsVersion version = win::ReadOsVersion();
  return win::WindowsVersionFromNumbers(version.platformId, version.major, version.minor);
}

class IconRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const int expected = icons::test::ExpectedWindowsVersion();
    windowsVersion_ = RunningWindowsVersion();
    ASSERT_EQ(windowsVersion_, expected) << "the machine does not act as the version of the run";
    systemDirectory_ = win::SystemDirectory();
    ASSERT_FALSE(systemDirectory_.empty());
    // The play starts from its seeds alone.
    std::string failure;
    ASSERT_TRUE(icons::test::SeedScenario(&failure)) << failure;
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
