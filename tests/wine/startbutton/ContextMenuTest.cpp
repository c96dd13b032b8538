// The right-click menu's registry side: listing without "find", the keys an
// entry is written as, and the program an association names.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "startbutton/ContextMenu.h"
#include "tests/wine/deploy/DeployTestSupport.h"
#include "win/RegistryKey.h"
#include "win/SystemFacts.h"

namespace startbutton::test {
namespace {

constexpr char kCurrentVersion[] = "Software\\Microsoft\\Windows\\CurrentVersion";

void ClearMenu() {
  win::DeleteKeyTree(HKEY_CLASSES_ROOT, kDirectoryShellKey);
}

TEST(ContextMenu, ListingLeavesOutFindInAnyLetterCase) {
  ClearMenu();
  for (const char* name : {"Alpha", "Find", "Beta"}) {
    deploy::test::SetRegistryString(HKEY_CLASSES_ROOT,
                                    std::string(kDirectoryShellKey) + "\\" + name, "", name);
  }
  std::vector<std::string> names = ListMenuItems();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "Beta"}));
  ClearMenu();
}

TEST(ContextMenu, EntryIsAKeyNamedAndValuedByItsTextWithACommandSubkey) {
  ClearMenu();
  ASSERT_TRUE(WriteMenuItem("My Notes", "C:\\windows\\notepad.exe \"C:\\a.txt\"").ok);
  const std::string key = std::string(kDirectoryShellKey) + "\\My Notes";
  EXPECT_EQ(deploy::test::RegistryString(HKEY_CLASSES_ROOT, key, ""), "My Notes");
  EXPECT_EQ(deploy::test::RegistryString(HKEY_CLASSES_ROOT, key + "\\command", ""),
            "C:\\windows\\notepad.exe \"C:\\a.txt\"");
  EXPECT_EQ(ReadMenuCommand("My Notes"), "C:\\windows\\notepad.exe \"C:\\a.txt\"");
  EXPECT_EQ(ReadMenuCommand("Nobody"), "not specified");
  EXPECT_TRUE(DeleteMenuItem("My Notes").ok);
  EXPECT_TRUE(ListMenuItems().empty());
}

struct ReplaceCase {
  const char* what;
  const char* oldName;  // "" for a new entry
  const char* name;
  std::vector<std::string> listedAfter;  // sorted
};

class Replace : public testing::TestWithParam<ReplaceCase> {};

// "Keep" is always there beside the entry being replaced; "Old" is the one replaced.
TEST_P(Replace, WritesTheNewKeyAndRemovesTheOldOneOnlyWhenItIsAnother) {
  const ReplaceCase& c = GetParam();
  ClearMenu();
  ASSERT_TRUE(WriteMenuItem("Keep", "C:\\keep.exe").ok);
  ASSERT_TRUE(WriteMenuItem("Old", "C:\\old.exe").ok);
  const core::Outcome outcome = ReplaceMenuItem(c.oldName, c.name, "C:\\new.exe");
  EXPECT_TRUE(outcome.ok) << outcome.message;
  EXPECT_EQ(outcome.message, "");
  std::vector<std::string> names = ListMenuItems();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, c.listedAfter);
  EXPECT_EQ(ReadMenuCommand(c.name), "C:\\new.exe");
  EXPECT_EQ(deploy::test::RegistryString(HKEY_CLASSES_ROOT,
                                         std::string(kDirectoryShellKey) + "\\" + c.name, ""),
            c.name);
  EXPECT_EQ(ReadMenuCommand("Keep"), "C:\\keep.exe");
  ClearMenu();
}

INSTANTIATE_TEST_SUITE_P(
    Names, Replace,
    testing::Values(ReplaceCase{"NewEntry", "", "Fresh", {"Fresh", "Keep", "Old"}},
                    ReplaceCase{"Renamed", "Old", "Fresh", {"Fresh", "Keep"}},
                    // One key: the new spelling is the one listed, and nothing is lost.
                    ReplaceCase{"LetterCaseOnly", "Old", "OLD", {"Keep", "OLD"}},
                    ReplaceCase{"SameName", "Old", "Old", {"Keep", "Old"}}),
    [](const testing::TestParamInfo<ReplaceCase>& info) { return std::string(info.param.what); });

TEST(ContextMenu, ARefusedWriteKeepsTheOldEntryAndNamesTheKey) {
  ClearMenu();
  ASSERT_TRUE(WriteMenuItem("Old", "C:\\old.exe").ok);
  // Windows refuses a key name longer than 255 characters.
  const std::string tooLong(300, 'x');
  const core::Outcome outcome = ReplaceMenuItem("Old", tooLong, "C:\\new.exe");
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.message,
            "Failed to set data for '" + std::string(kDirectoryShellKey) + "\\" + tooLong + "'");
  EXPECT_EQ(ListMenuItems(), std::vector<std::string>{"Old"});
  EXPECT_EQ(ReadMenuCommand("Old"), "C:\\old.exe");
  ClearMenu();
}

TEST(ContextMenu, DeletingAMissingEntryNamesItsKey) {
  ClearMenu();
  const core::Outcome outcome = DeleteMenuItem("Nobody");
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.message,
            "Failed to delete key '" + std::string(kDirectoryShellKey) + "\\Nobody'");
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
        deploy::test::RegistryString(HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir");
  }
  void TearDown() override {
    deploy::test::SetRegistryString(HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir",
                                    savedProgramFiles_);
  }
  std::string savedProgramFiles_;
};

TEST_P(Association, ProgramIsTheCleanedOpenCommand) {
  const AssociationCase& c = GetParam();
  win::DeleteKeyTree(HKEY_CLASSES_ROOT, c.extension);
  std::string commandKey = c.extension;
  if (c.type != nullptr) {
    deploy::test::SetRegistryString(HKEY_CLASSES_ROOT, c.extension, "", c.type);
    commandKey = c.type;
  }
  if (c.command != nullptr) {
    deploy::test::SetRegistryString(HKEY_CLASSES_ROOT, commandKey + "\\shell\\open\\command", "",
                                    c.command);
  }
  if (c.programFiles) {
    deploy::test::SetRegistryString(HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir",
                                    "C:\\Program Files");
  } else {
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_LOCAL_MACHINE, kCurrentVersion, 0, KEY_SET_VALUE, &key);
    RegDeleteValueA(key, "ProgramFilesDir");
    RegCloseKey(key);
  }
  const std::string windows = win::GetWindowsDir();
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
}  // namespace startbutton::test
