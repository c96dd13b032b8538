#include "tests/unit/icons/IconScenario.h"

#include "icons/IconSettings.h"
#include "win/VersionRule.h"

namespace icons {

void PrintTo(const IconEntry& entry, std::ostream* out) {
  *out << '"' << FormatIconLocation(entry) << '"' << (entry.unreadable ? " (unreadable)" : "");
}

}  // namespace icons

namespace icons::test {

namespace {

constexpr RegistryRoot kHKCR = RegistryRoot::ClassesRoot;
constexpr RegistryRoot kHKCU = RegistryRoot::CurrentUser;
constexpr RegistryRoot kHKLM = RegistryRoot::LocalMachine;

constexpr char kMyComputer[] = "{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
constexpr char kMyDocuments[] = "{450D8FBA-AD25-11D0-98A8-0800361B1103}";
constexpr char kPrinters[] = "{2227A280-3AEA-1069-A2DE-08002B30309D}";
constexpr char kControlPanel[] = "{21EC2020-3AEA-1069-A2DD-08002B30309D}";
constexpr char kDialUp[] = "{992CFFA0-F557-101A-88EC-00DD010CCC48}";
constexpr char kScheduledTasks[] = "{D6277990-4C6A-11CF-8D87-00AA0060F5BF}";
constexpr char kRecycleBin[] = "{645FF040-5081-101B-9F08-00AA002F954E}";
constexpr char kHistory[] = "{FF393560-C2A7-11CF-BFF4-444553540000}";

// Bases as the Part numbers them.
std::string Base(int number, const char* classId) {
  return DesktopObjectKey(kDesktopObjectBases[number - 1], classId);
}

RegistryRoot BaseRoot(int number) {
  return kDesktopObjectBases[number - 1].root;
}

IconEntry Entry(const std::string& file, int32_t index, bool unreadable = false) {
  IconEntry entry;
  entry.file = file;
  entry.index = index;
  entry.unreadable = unreadable;
  return entry;
}

std::string ShellDefault(const std::string& systemDirectory, int entry) {
  return systemDirectory + "Shell32.dll," + std::to_string(entry);
}

}  // namespace

std::vector<std::pair<RegistryRoot, std::string>> ScenarioKeys() {
  std::vector<std::pair<RegistryRoot, std::string>> keys = {
      {kHKLM, kShellIconsKey},
      {kHKCU, kDefaultIconsBackupKey},
  };
  for (const char* classId :
       {kMyComputer, kMyDocuments, kPrinters, kControlPanel, kDialUp, kScheduledTasks, kRecycleBin,
        kHistory, kNetworkNeighborhoodClassId}) {
    for (int base = 1; base <= 3; ++base) keys.push_back({BaseRoot(base), Base(base, classId)});
  }
  for (const MirrorKey& mirror : kXPStartMenuMirrors) {
    keys.push_back({kHKCR, std::string(mirror.path) + kDefaultIconSubkey});
  }
  return keys;
}

std::vector<SeedValue> ScenarioSeeds() {
  using Type = SeedValue::Type;
  return {
      {kHKLM, kShellIconsKey, "3", Type::ExpandableText, "%SystemRoot%\\system32\\shell32.dll, 15"},
      {kHKLM, kShellIconsKey, "4", Type::Text, "C:\\Icons\\folder.ico"},
      {kHKLM, kShellIconsKey, "5", Type::Text, "C:\\Icons\\drive.ico,"},
      {kHKLM, kShellIconsKey, "6", Type::Text, "C:\\Icons\\drive.ico,abc"},
      {kHKLM, kShellIconsKey, "7", Type::Text, "C:\\Icons\\x.dll,-201"},
      {kHKLM, kShellIconsKey, "8", Type::Binary, ""},
      {kHKLM, kShellIconsKey, "9", Type::Text, "none"},
      {kHKLM, kShellIconsKey, "10", Type::Text, ""},
      {kHKLM, kShellIconsKey, "17", Type::Text, "C:\\Icons\\net.ico,7"},
      // Only under HKEY_CLASSES_ROOT, as Windows installs it.
      {BaseRoot(3), Base(3, kRecycleBin), "empty", Type::Text, "C:\\Icons\\bin.ico,1"},
      {BaseRoot(1), Base(1, kRecycleBin), "full", Type::Text, "C:\\Icons\\binfull.ico,2"},
      // An empty text at base 1 lets base 2 speak.
      {BaseRoot(1), Base(1, kMyComputer), "", Type::Text, ""},
      {BaseRoot(2), Base(2, kMyComputer), "", Type::Text, "C:\\Icons\\pc.ico,4"},
      {BaseRoot(1), Base(1, kMyDocuments), "", Type::Number, ""},
      {BaseRoot(3), Base(3, kMyDocuments), "", Type::Text, "C:\\Icons\\docs.ico,6"},
      {BaseRoot(3), Base(3, kControlPanel), "", Type::Text, "C:\\Icons\\cp.ico,5"},
      // A backup from an earlier opening is never replaced.
      {kHKCU, kDefaultIconsBackupKey, kControlPanel, Type::Text, "C:\\Old\\cp.ico,9"},
  };
}

IconCatalogue ScenarioLoaded(const std::string& systemDirectory) {
  IconCatalogue loaded;
  for (int entry = 0; entry < kFirstDesktopObject; ++entry) {
    loaded[entry] = Entry(systemDirectory + "Shell32.dll", entry);
  }
  loaded[3] = Entry("%SystemRoot%\\system32\\shell32.dll", 15);
  loaded[4] = Entry("C:\\Icons\\folder.ico", 0);
  loaded[5] = Entry("C:\\Icons\\drive.ico,", 0);
  loaded[6] = Entry("C:\\Icons\\drive.ico", 0);
  loaded[7] = Entry("C:\\Icons\\x.dll", -201);
  loaded[8] = Entry(systemDirectory + "Shell32.dll", 8, true);
  loaded[10] = Entry("", 0);
  loaded[17] = Entry("C:\\Icons\\net.ico", 7);
  loaded[45] = Entry("C:\\Icons\\pc.ico", 4);
  loaded[46] = Entry("", 0, true);
  loaded[48] = Entry("C:\\Icons\\cp.ico", 5);
  loaded[51] = Entry("C:\\Icons\\bin.ico", 1);
  loaded[53] = Entry("C:\\Icons\\binfull.ico", 2);
  return loaded;
}

void ScenarioEdit(IconCatalogue& catalogue) {
  catalogue[22] = Entry("C:\\New\\find.ico", -5);
  catalogue[51] = Entry("C:\\New\\bin.ico", 3);
}

std::vector<ExpectedValue> ScenarioAfterApply(const std::string& systemDirectory,
                                              int windowsVersion) {
  const auto text = [](const std::string& value) { return StoredText::Of(value); };
  std::vector<ExpectedValue> expected;
  for (int entry = 0; entry < kFirstDesktopObject; ++entry) {
    expected.push_back(
        {kHKLM, kShellIconsKey, std::to_string(entry), text(ShellDefault(systemDirectory, entry))});
  }
  const auto slot = [&expected](int entry, StoredText value) {
    expected[entry].value = std::move(value);
  };
  slot(3, text("%SystemRoot%\\system32\\shell32.dll,15"));
  slot(4, text("C:\\Icons\\folder.ico,0"));
  slot(5, text("C:\\Icons\\drive.ico,,0"));
  slot(6, text("C:\\Icons\\drive.ico,0"));
  slot(7, text("C:\\Icons\\x.dll,-201"));
  slot(8, StoredText::OtherType());
  slot(10, text(""));
  slot(17, text("C:\\Icons\\net.ico,7"));
  slot(22, text("C:\\New\\find.ico,-5"));

  const auto everyBase = [&expected](const char* classId, const char* name, StoredText value) {
    for (int base = 1; base <= 3; ++base) {
      expected.push_back({BaseRoot(base), Base(base, classId), name, value});
    }
  };
  everyBase(kMyComputer, "", text("C:\\Icons\\pc.ico,4"));
  // Unreadable at base 1 and so never written anywhere.
  expected.push_back({BaseRoot(1), Base(1, kMyDocuments), "", StoredText::OtherType()});
  expected.push_back({BaseRoot(2), Base(2, kMyDocuments), "", StoredText::Missing()});
  expected.push_back({BaseRoot(3), Base(3, kMyDocuments), "", text("C:\\Icons\\docs.ico,6")});
  // No setting anywhere: nothing to write.
  for (const char* classId : {kPrinters, kDialUp, kScheduledTasks, kHistory}) {
    everyBase(classId, "", StoredText::Missing());
  }
  everyBase(kControlPanel, "", text("C:\\Icons\\cp.ico,5"));
  everyBase(kRecycleBin, "empty", text("C:\\New\\bin.ico,3"));
  everyBase(kRecycleBin, "", text("C:\\New\\bin.ico,3"));
  everyBase(kRecycleBin, "full", text("C:\\Icons\\binfull.ico,2"));
  everyBase(kNetworkNeighborhoodClassId, "", text("C:\\Icons\\net.ico,7"));

  const bool xp = windowsVersion == win::kWindowsXP;
  const auto mirror = [&](const char* path, const std::string& value) {
    expected.push_back({kHKCR, std::string(path) + kDefaultIconSubkey, "",
                        xp ? text(value) : StoredText::Missing()});
  };
  mirror("\\CLSID\\{2559a1f0-21d7-11d4-bdaf-00c04f60b9f0}", "C:\\New\\find.ico,-5");
  mirror("\\CLSID\\{2559a1f3-21d7-11d4-bdaf-00c04f60b9f0}", ShellDefault(systemDirectory, 24));
  mirror("\\CLSID\\{2559a1f1-21d7-11d4-bdaf-00c04f60b9f0}", ShellDefault(systemDirectory, 23));

  const auto backup = [&expected](const std::string& name, StoredText value) {
    expected.push_back({kHKCU, kDefaultIconsBackupKey, name, std::move(value)});
  };
  backup(kMyComputer, text("C:\\Icons\\pc.ico,4"));
  backup(kMyDocuments, StoredText::Missing());
  backup(kPrinters, text(",0"));
  backup(kControlPanel, text("C:\\Old\\cp.ico,9"));
  backup(kDialUp, text(",0"));
  backup(kScheduledTasks, text(",0"));
  backup(std::string(kRecycleBin) + "empty", text("C:\\Icons\\bin.ico,1"));
  backup(kHistory, text(",0"));
  backup(std::string(kRecycleBin) + "full", text("C:\\Icons\\binfull.ico,2"));
  return expected;
}

}  // namespace icons::test
