#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "icons/IconSettings.h"
#include "tests/unit/icons/IconScenario.h"
#include "tests/unit/icons/MemoryRegistry.h"
#include "win/VersionRule.h"

namespace {

using icons::IconCatalogue;
using icons::IconEntry;
using icons::RegistryRoot;
using icons::StoredText;
using icons::test::MemoryRegistry;
using icons::test::RegistryOperation;

constexpr char kSystem[] = "C:\\WINDOWS\\system32\\";

// Written out rather than taken from the catalogue, so a mistyped key there fails here.
constexpr char kShellIcons[] =
    "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Icons";
constexpr char kBase1[] = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\";
constexpr char kBase2[] = "HKCU\\Software\\Classes\\CLSID\\";
constexpr char kBase3[] = "HKCR\\CLSID\\";
constexpr char kBackups[] = "HKCU\\Software\\KorvSoft\\Quorlo\\4.1\\Default Icons";
constexpr char kRecycleBin[] = "{645FF040-5081-101B-9F08-00AA002F954E}";

// A key as written above, without its root.
std::string WithoutRoot(const std::string& shown) {
  return shown.substr(shown.find('\\') + 1);
}

IconEntry Entry(const std::string& file, int32_t index) {
  IconEntry entry;
  entry.file = file;
  entry.index = index;
  return entry;
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

void Seed(MemoryRegistry& registry, const std::vector<icons::test::SeedValue>& seeds) {
  for (const icons::test::SeedValue& seed : seeds) {
    if (seed.type == icons::test::SeedValue::Type::Text ||
        seed.type == icons::test::SeedValue::Type::ExpandableText) {
      registry.SetText(seed.root, seed.path, seed.name, seed.text);
    } else {
      registry.SetOtherType(seed.root, seed.path, seed.name);
    }
  }
}

// Every entry given a setting of its own: "s<n>.dll,n" and "d<n>.ico,n".
IconCatalogue EverySettingGiven() {
  IconCatalogue catalogue;
  for (int entry = 0; entry < icons::kIconCount; ++entry) {
    catalogue[entry] = Entry(std::string(entry < 45 ? "s" : "d") + std::to_string(entry) +
                                 (entry < 45 ? ".dll" : ".ico"),
                             entry);
  }
  return catalogue;
}

// The writes Apply must make for EverySettingGiven, in order.
std::vector<std::string> ExpectedWrites(bool xp) {
  std::vector<std::string> writes;
  for (int entry = 0; entry < 45; ++entry) {
    writes.push_back(std::string(kShellIcons) + "|" + std::to_string(entry) + "=s" +
                     std::to_string(entry) + ".dll," + std::to_string(entry));
  }
  const struct {
    int entry;
    const char* classId;
    const char* name;
  } objects[] = {
      {45, "{20D04FE0-3AEA-1069-A2D8-08002B30309D}", ""},
      {46, "{450D8FBA-AD25-11D0-98A8-0800361B1103}", ""},
      {47, "{2227A280-3AEA-1069-A2DE-08002B30309D}", ""},
      {48, "{21EC2020-3AEA-1069-A2DD-08002B30309D}", ""},
      {49, "{992CFFA0-F557-101A-88EC-00DD010CCC48}", ""},
      {50, "{D6277990-4C6A-11CF-8D87-00AA0060F5BF}", ""},
      {51, kRecycleBin, "empty"},
      {52, "{FF393560-C2A7-11CF-BFF4-444553540000}", ""},
      {53, kRecycleBin, "full"},
  };
  for (const auto& object : objects) {
    const std::string location =
        "d" + std::to_string(object.entry) + ".ico," + std::to_string(object.entry);
    for (const char* base : {kBase2, kBase3, kBase1}) {
      const std::string key = std::string(base) + object.classId + "\\DefaultIcon";
      writes.push_back(key + "|" + object.name + "=" + location);
      if (object.entry == 51) writes.push_back(key + "|=" + location);
    }
  }
  if (xp) {
    writes.push_back(
        "HKCR\\CLSID\\{2559a1f0-21d7-11d4-bdaf-00c04f60b9f0}\\DefaultIcon|=s22.dll,22");
    writes.push_back(
        "HKCR\\CLSID\\{2559a1f3-21d7-11d4-bdaf-00c04f60b9f0}\\DefaultIcon|=s24.dll,24");
    writes.push_back(
        "HKCR\\CLSID\\{2559a1f1-21d7-11d4-bdaf-00c04f60b9f0}\\DefaultIcon|=s23.dll,23");
  }
  for (const char* base : {kBase2, kBase3, kBase1}) {
    writes.push_back(std::string(base) +
                     "{208D2C60-3AEA-1069-A2D7-08002B30309D}\\DefaultIcon|=s17.dll,17");
  }
  return writes;
}

TEST(IconSettings, WithoutAShellIconsKeyTheSlotsAreShell32AndApplyCreatesAll45Values) {
  MemoryRegistry registry;
  std::vector<std::pair<int, IconEntry>> reported;
  const IconCatalogue catalogue = icons::LoadIconCatalogue(
      registry, kSystem,
      [&](int entry, const IconEntry& loaded) { reported.emplace_back(entry, loaded); });
  ASSERT_EQ(reported.size(), 54u);
  for (int entry = 0; entry < icons::kIconCount; ++entry) {
    const IconEntry expected =
        entry < 45 ? Entry(std::string(kSystem) + "Shell32.dll", entry) : IconEntry();
    EXPECT_EQ(catalogue[entry], expected) << entry;
    EXPECT_EQ(reported[entry].first, entry);
    EXPECT_EQ(reported[entry].second, expected) << "progress comes after the entry is read";
  }

  registry.ClearOperations();
  ASSERT_TRUE(icons::ApplyIcons(registry, catalogue, win::kWindows2000).ok);
  const std::vector<std::string> writes = registry.Writes();
  ASSERT_GE(writes.size(), 45u);
  for (int entry = 0; entry < 45; ++entry) {
    EXPECT_EQ(writes[entry], std::string(kShellIcons) + "|" + std::to_string(entry) + "=" +
                                 kSystem + "Shell32.dll," + std::to_string(entry));
  }
}

TEST(IconSettings, TheCatalogueOpensShellIconsOnceAndReadsEntriesInAscendingOrder) {
  MemoryRegistry registry;
  Seed(registry, icons::test::ScenarioSeeds());
  std::vector<IconEntry> progress;
  icons::LoadIconCatalogue(registry, kSystem,
                           [&](int, const IconEntry& loaded) { progress.push_back(loaded); });
  int shellIconOpenings = 0;
  std::vector<int> slotsRead;
  for (const RegistryOperation& operation : registry.Operations()) {
    if (operation.key != kShellIcons) continue;
    if (operation.kind == RegistryOperation::Kind::Open) ++shellIconOpenings;
    if (operation.kind == RegistryOperation::Kind::Read)
      slotsRead.push_back(std::stoi(operation.name));
  }
  EXPECT_EQ(shellIconOpenings, 1);
  ASSERT_EQ(slotsRead.size(), 45u);
  for (int entry = 0; entry < 45; ++entry) EXPECT_EQ(slotsRead[entry], entry);

  const IconCatalogue expected = icons::test::ScenarioLoaded(kSystem);
  ASSERT_EQ(progress.size(), 54u);
  for (int entry = 0; entry < icons::kIconCount; ++entry)
    EXPECT_EQ(progress[entry], expected[entry]);
}

TEST(IconSettings, OneEntryLoadsAsTheWholeCatalogueLoadsIt) {
  const IconCatalogue expected = icons::test::ScenarioLoaded(kSystem);
  for (int entry = 0; entry < icons::kIconCount; ++entry) {
    MemoryRegistry registry;
    Seed(registry, icons::test::ScenarioSeeds());
    const IconEntry loaded = icons::LoadIconEntry(registry, kSystem, entry);
    EXPECT_EQ(loaded.file, expected[entry].file) << entry;
    EXPECT_EQ(loaded.index, expected[entry].index) << entry;
    EXPECT_EQ(loaded.unreadable, expected[entry].unreadable) << entry;
  }
}

TEST(IconSettings, OpeningEditingAndApplyingLeaveTheValuesTheScenarioPredicts) {
  for (const int version : {win::kWindowsXP, win::kWindows2000, win::kWindows98}) {
    SCOPED_TRACE("Windows version " + std::to_string(version));
    MemoryRegistry registry;
    Seed(registry, icons::test::ScenarioSeeds());
    IconCatalogue catalogue = icons::LoadIconCatalogue(registry, kSystem, nullptr);
    const IconCatalogue loaded = icons::test::ScenarioLoaded(kSystem);
    for (int entry = 0; entry < icons::kIconCount; ++entry) {
      EXPECT_EQ(catalogue[entry].file, loaded[entry].file) << entry;
      EXPECT_EQ(catalogue[entry].index, loaded[entry].index) << entry;
      EXPECT_EQ(catalogue[entry].unreadable, loaded[entry].unreadable) << entry;
    }
    icons::test::ScenarioEdit(catalogue);
    ASSERT_TRUE(icons::ApplyIcons(registry, catalogue, version).ok);
    for (const icons::test::ExpectedValue& expected :
         icons::test::ScenarioAfterApply(kSystem, version)) {
      const StoredText actual = registry.Value(expected.root, expected.path, expected.name);
      EXPECT_EQ(Describe(actual), Describe(expected.value))
          << icons::test::RootName(expected.root) << expected.path << " [" << expected.name << "]";
    }
  }
}

TEST(IconSettings, ApplyWritesInTheFixedOrderWithTheStartMenuMirrorsOnXPOnly) {
  const struct {
    int version;
    bool mirrors;
  } cases[] = {{win::kWindowsXP, true}, {win::kWindows2000, false}, {win::kWindows98, false}, {3, false}};
  for (const auto& c : cases) {
    MemoryRegistry registry;
    ASSERT_TRUE(icons::ApplyIcons(registry, EverySettingGiven(), c.version).ok);
    EXPECT_EQ(registry.Writes(), ExpectedWrites(c.mirrors)) << "Windows version " << c.version;
    if (c.mirrors) continue;
    for (const RegistryOperation& operation : registry.Operations()) {
      EXPECT_EQ(operation.key.find("2559a1f"), std::string::npos) << operation.key;
    }
  }
}

TEST(IconSettings, TheEmptyRecycleBinGoesToEmptyAndTheDefaultValueTheFullOneOnlyToFull) {
  IconCatalogue catalogue;
  catalogue[51] = Entry("C:\\bin\\empty.ico", 1);
  catalogue[53] = Entry("C:\\bin\\full.ico", 2);
  MemoryRegistry registry;
  ASSERT_TRUE(icons::ApplyIcons(registry, catalogue, win::kWindows2000).ok);
  for (const icons::DesktopObjectBase& base : icons::kDesktopObjectBases) {
    const std::string key = icons::DesktopObjectKey(base, kRecycleBin);
    EXPECT_EQ(Describe(registry.Value(base.root, key, "empty")), "text \"C:\\bin\\empty.ico,1\"");
    EXPECT_EQ(Describe(registry.Value(base.root, key, "")), "text \"C:\\bin\\empty.ico,1\"");
    EXPECT_EQ(Describe(registry.Value(base.root, key, "full")), "text \"C:\\bin\\full.ico,2\"");
  }
}

TEST(IconSettings, TheRecycleBinBackupIsTakenOnceFromClassesRootAndSurvivesApply) {
  MemoryRegistry registry;
  registry.SetText(RegistryRoot::ClassesRoot, WithoutRoot(kBase3) + kRecycleBin + "\\DefaultIcon",
                   "empty", "%SystemRoot%\\System32\\shell32.dll,31");
  IconCatalogue catalogue = icons::LoadIconCatalogue(registry, kSystem, nullptr);
  EXPECT_EQ(catalogue[51], Entry("%SystemRoot%\\System32\\shell32.dll", 31));
  const std::string backupName = std::string(kRecycleBin) + "empty";
  const std::string backupKey = WithoutRoot(kBackups);
  EXPECT_EQ(Describe(registry.Value(RegistryRoot::CurrentUser, backupKey, backupName)),
            "text \"%SystemRoot%\\System32\\shell32.dll,31\"");

  catalogue[51] = Entry("C:\\mine.ico", 4);
  ASSERT_TRUE(icons::ApplyIcons(registry, catalogue, win::kWindowsXP).ok);
  registry.ClearOperations();
  catalogue = icons::LoadIconCatalogue(registry, kSystem, nullptr);

  EXPECT_EQ(catalogue[51], Entry("C:\\mine.ico", 4));
  EXPECT_EQ(Describe(registry.Value(RegistryRoot::CurrentUser, backupKey, backupName)),
            "text \"%SystemRoot%\\System32\\shell32.dll,31\"");
  EXPECT_EQ(registry.Writes(), std::vector<std::string>())
      << "every backup exists after the first opening";
  EXPECT_EQ(icons::DefaultIconEntry(registry, kSystem, 51),
            Entry("%SystemRoot%\\System32\\shell32.dll", 31));
}

TEST(IconSettings, DefaultsAreShell32ForSlotsAndTheBackupForDesktopObjects) {
  MemoryRegistry registry;
  const std::string backupKey = WithoutRoot(kBackups);
  registry.SetText(RegistryRoot::CurrentUser, backupKey, "{20D04FE0-3AEA-1069-A2D8-08002B30309D}",
                   "C:\\WINDOWS\\Explorer.exe, 0");
  registry.SetOtherType(RegistryRoot::CurrentUser, backupKey, std::string(kRecycleBin) + "full");
  const struct {
    int entry;
    IconEntry expected;
  } cases[] = {
      {0, Entry(std::string(kSystem) + "Shell32.dll", 0)},
      {44, Entry(std::string(kSystem) + "Shell32.dll", 44)},
      {45, Entry("C:\\WINDOWS\\Explorer.exe", 0)},
      {46, IconEntry()},  // never backed up
      {53, IconEntry()},  // a backup that is not text
  };
  for (const auto& c : cases) {
    EXPECT_EQ(icons::DefaultIconEntry(registry, kSystem, c.entry), c.expected) << c.entry;
  }
  EXPECT_EQ(registry.Writes(), std::vector<std::string>()) << "defaults are only read";
}

TEST(IconSettings, AValueThatIsNotTextIsLeftAloneUntilTheUserChangesItsEntry) {
  const std::string shellIcons = WithoutRoot(kShellIcons);
  const std::string myDocuments =
      WithoutRoot(kBase1) + "{450D8FBA-AD25-11D0-98A8-0800361B1103}\\DefaultIcon";
  MemoryRegistry registry;
  registry.SetOtherType(RegistryRoot::LocalMachine, shellIcons, "8");
  registry.SetOtherType(RegistryRoot::CurrentUser, myDocuments, "");
  IconCatalogue catalogue = icons::LoadIconCatalogue(registry, kSystem, nullptr);
  EXPECT_TRUE(catalogue[8].unreadable);
  EXPECT_EQ(catalogue[8].file, std::string(kSystem) + "Shell32.dll") << "shows the shell default";
  EXPECT_TRUE(catalogue[46].unreadable);
  EXPECT_EQ(catalogue[46].file, "");
  EXPECT_EQ(Describe(registry.Value(RegistryRoot::CurrentUser, WithoutRoot(kBackups),
                                    "{450D8FBA-AD25-11D0-98A8-0800361B1103}")),
            "missing")
      << "what could not be read is not a default to back up";

  ASSERT_TRUE(icons::ApplyIcons(registry, catalogue, win::kWindows2000).ok);
  EXPECT_EQ(Describe(registry.Value(RegistryRoot::LocalMachine, shellIcons, "8")),
            "a value of another type");
  EXPECT_EQ(Describe(registry.Value(RegistryRoot::CurrentUser, myDocuments, "")),
            "a value of another type");

  catalogue[8] = icons::DefaultIconEntry(registry, kSystem, 8);
  catalogue[46] = Entry("C:\\docs.ico", 2);
  ASSERT_TRUE(icons::ApplyIcons(registry, catalogue, win::kWindows2000).ok);
  EXPECT_EQ(Describe(registry.Value(RegistryRoot::LocalMachine, shellIcons, "8")),
            "text \"C:\\WINDOWS\\system32\\Shell32.dll,8\"");
  EXPECT_EQ(Describe(registry.Value(RegistryRoot::CurrentUser, myDocuments, "")),
            "text \"C:\\docs.ico,2\"");

  icons::LoadIconCatalogue(registry, kSystem, nullptr);
  EXPECT_EQ(Describe(registry.Value(RegistryRoot::CurrentUser, WithoutRoot(kBackups),
                                    "{450D8FBA-AD25-11D0-98A8-0800361B1103}")),
            "text \"C:\\docs.ico,2\"")
      << "the first reading that finds text makes the backup";
}

TEST(IconSettings, ARefusedWriteStopsApplyThereAndNamesTheValue) {
  const struct {
    RegistryRoot root;
    std::string key;  // as MemoryRegistry shows it, without the root
    const char* name;
    const char* message;
  } cases[] = {
      {RegistryRoot::LocalMachine, WithoutRoot(kShellIcons), "0", "Failed to set data for '0'"},
      {RegistryRoot::LocalMachine, WithoutRoot(kShellIcons), "17", "Failed to set data for '17'"},
      {RegistryRoot::ClassesRoot, WithoutRoot(kBase3) + kRecycleBin + "\\DefaultIcon", "",
       "Failed to set data for ''"},
      {RegistryRoot::CurrentUser, WithoutRoot(kBase1) + kRecycleBin + "\\DefaultIcon", "full",
       "Failed to set data for 'full'"},
      {RegistryRoot::ClassesRoot, "CLSID\\{2559a1f3-21d7-11d4-bdaf-00c04f60b9f0}\\DefaultIcon", "",
       "Failed to set data for ''"},
      {RegistryRoot::CurrentUser,
       WithoutRoot(kBase1) + "{208D2C60-3AEA-1069-A2D7-08002B30309D}\\DefaultIcon", "",
       "Failed to set data for ''"},
  };
  const std::vector<std::string> all = ExpectedWrites(true);
  for (const auto& c : cases) {
    MemoryRegistry registry;
    registry.RefuseWrites(c.root, c.key, c.name);
    const icons::IconWriteResult result =
        icons::ApplyIcons(registry, EverySettingGiven(), win::kWindowsXP);
    EXPECT_FALSE(result.ok) << c.key << " [" << c.name << "]";
    EXPECT_EQ(result.message, c.message);
    const std::string refused = icons::test::RootName(c.root) + "\\" + c.key + "|" + c.name + "=";
    size_t stop = 0;
    while (stop < all.size() && all[stop].compare(0, refused.size(), refused) != 0) ++stop;
    ASSERT_LT(stop, all.size()) << refused;
    EXPECT_EQ(registry.Writes(), std::vector<std::string>(all.begin(), all.begin() + stop))
        << "everything before the refused value is written, nothing after it";
  }
}

}  // namespace
