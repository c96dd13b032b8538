// The right-click menu's registry side: listing without "find", the keys an
// entry is written as, and the program an association names.

#include <gtest/gtest.h>

#include <algorithm>

#include "app/Utils.h"
#include "startbutton/ContextMenu.h"
#include "tests/wine/deploy/DeployTestSupport.h"
#include "win/RegistryKey.h"

namespace {

constexpr char kCurrentVersion[] = "Software\\Microsoft\\Windows\\CurrentVersion";

void ClearMenu() {
  win::DeleteKeyTree(HKEY_CLASSES_ROOT, kDirectoryShellKey);
}

TEST(ContextMenu, ListingLeavesOutFindInAnyLetterCase) {
  ClearMenu();
  for (const char* name : {"Alpha", "Find", "Beta"}) {
    deploytest::SetRegistryString(HKEY_CLASSES_ROOT, std::string(kDirectoryShellKey) + "\\" + name,
                                  "", name);
  }
  std::vector<std::string> names = ListMenuItems();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "Beta"}));
  ClearMenu();
}

TEST(ContextMenu, EntryIsAKeyNamedAndValuedByItsTextWithACommandSubkey) {
  ClearMenu();
  ASSERT_EQ(WriteMenuItem("My Notes", "C:\\windows\\notepad.exe \"C:\\a.txt\""), "");
  const std::string key = std::string(kDirectoryShellKey) + "\\My Notes";
  EXPECT_EQ(deploytest::RegistryString(HKEY_CLASSES_ROOT, key, ""), "My Notes");
  EXPECT_EQ(deploytest::RegistryString(HKEY_CLASSES_ROOT, key + "\\command", ""),
            "C:\\windows\\notepad.exe \"C:\\a.txt\"");
  EXPECT_EQ(ReadMenuCommand("My Notes"), "C:\\windows\\notepad.exe \"C:\\a.txt\"");
  EXPECT_EQ(ReadMenuCommand("Nobody"), "not specified");
  EXPECT_TRUE(DeleteMenuItem("My Notes"));
  EXPECT_TRUE(ListMenuItems().empty());
}

struct AssociationCase {
  const char* name;
  const char* extension;
  const char* type;     // nullptr: the command sits under the extension itself
  const char* command;  // nullptr: no association at all
  bool programFiles;    // whether Windows names a Program Files folder
  std::string expected;
};

class Association : public testing::TestWithParam<AssociationCase> {
 protected:
  void SetUp() override {
    savedProgramFiles_ =
        deploytest::RegistryString(HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir");
  }
  void TearDown() override {
    deploytest::SetRegistryString(HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir",
                                  savedProgramFiles_);
  }
  std::string savedProgramFiles_;
};

TEST_P(Association, ProgramIsTheCleanedOpenCommand) {
  const AssociationCase& c = GetParam();
  win::DeleteKeyTree(HKEY_CLASSES_ROOT, c.extension);
  std::string commandKey = c.extension;
  if (c.type != nullptr) {
    deploytest::SetRegistryString(HKEY_CLASSES_ROOT, c.extension, "", c.type);
    commandKey = c.type;
  }
  if (c.command != nullptr) {
    deploytest::SetRegistryString(HKEY_CLASSES_ROOT, commandKey + "\\shell\\open\\command", "",
                                  c.command);
  }
  if (c.programFiles) {
    deploytest::SetRegistryString(HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir",
                                  "C:\\Program Files");
  } else {
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_LOCAL_MACHINE, kCurrentVersion, 0, KEY_SET_VALUE, &key);
    RegDeleteValueA(key, "ProgramFilesDir");
    RegCloseKey(key);
  }
  const std::string windows = GetWindowsDir();
  std::string expected = c.expected;
  for (auto [token, value] : {std::pair<std::string, std::string>{"<windows>", windows},
                              {"<drive>", windows.substr(0, 2)}}) {
    for (size_t at = expected.find(token); at != std::string::npos; at = expected.find(token))
      expected.replace(at, token.size(), value);
  }
  EXPECT_EQ(FindAssociatedProgram(c.extension), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Extensions, Association,
    testing::Values(AssociationCase{"QuotedThroughType", ".sbq", "sbqfile",
                                    "\"%SystemRoot%\\notepad.exe\" \"%1\"", true,
                                    "<windows>notepad.exe"},
                    AssociationCase{"OnTheExtension", ".sbe", nullptr, "%systemdrive%\\view.exe %1",
                                    true, "<drive>\\view.exe"},
                    AssociationCase{"ProgramFiles", ".sbp", "sbpfile",
                                    "\"%ProgramFiles%\\Ed\\ed.exe\" \"%1\"", true,
                                    "C:\\Program Files\\Ed\\ed.exe"},
                    AssociationCase{"NoProgramFilesSetting", ".sbn", "sbnfile",
                                    "\"%ProgramFiles%\\Ed\\ed.exe\" \"%1\"", false,
                                    "%ProgramFiles%\\Ed\\ed.exe"},
                    AssociationCase{"NoAssociation", ".sbz", nullptr, nullptr, true, ""},
                    AssociationCase{"TypeWithoutCommand", ".sbt", "sbtnothing", nullptr, true, ""}),
    [](const testing::TestParamInfo<AssociationCase>& info) {
      return std::string(info.param.name);
    });

}  // namespace
