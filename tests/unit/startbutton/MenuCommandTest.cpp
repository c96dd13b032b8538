#include <gtest/gtest.h>

#include <string>

#include "startbutton/MenuCommand.h"

namespace startbutton::test {
namespace {

TEST(MenuCommand, FindIsReservedInAnyLetterCase) {
  for (const char* name : {"find", "Find", "FIND", "fInD"}) {
    EXPECT_TRUE(IsReservedMenuName(name)) << name;
  }
  for (const char* name : {"", "finder", "find ", "Search", "Fin"}) {
    EXPECT_FALSE(IsReservedMenuName(name)) << name;
  }
}

TEST(MenuCommand, ExtensionIsTheLowerCaseTextFromTheLastDotOfTheName) {
  const struct {
    const char* path;
    const char* extension;
  } cases[] = {
      {"C:\\WINDOWS\\NOTEPAD.EXE", ".exe"},
      {"C:\\a.b\\readme", ""},
      {"C:\\docs\\notes.TXT", ".txt"},
      {"C:\\x\\archive.tar.Gz", ".gz"},
      {"C:file.Cpl", ".cpl"},
      {"", ""},
      {"C:\\dir.d\\", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(LowerExtension(c.path), c.extension) << c.path;
}

TEST(MenuCommand, ProgramsRunByThemselves) {
  for (const char* extension : {".exe", ".com", ".cpl", ".scr", ".EXE"}) {
    EXPECT_TRUE(RunsByItself(extension)) << extension;
  }
  for (const char* extension : {".txt", ".bat", "", ".exe2", "exe"}) {
    EXPECT_FALSE(RunsByItself(extension)) << extension;
  }
}

TEST(MenuCommand, CommandIsTheFileOrTheProgramWithTheFileQuoted) {
  EXPECT_EQ(MenuCommand("C:\\WINDOWS\\notepad.exe", ""), "C:\\WINDOWS\\notepad.exe");
  EXPECT_EQ(MenuCommand("C:\\My Files\\a.txt", "C:\\WINDOWS\\notepad.exe"),
            "C:\\WINDOWS\\notepad.exe \"C:\\My Files\\a.txt\"");
}

TEST(MenuCommand, TrimRemovesBlanksAtBothEndsOnly) {
  EXPECT_EQ(TrimSpaces("   "), "");
  EXPECT_EQ(TrimSpaces(" \tC:\\a b.txt \r\n"), "C:\\a b.txt");
  EXPECT_EQ(TrimSpaces(""), "");
}

struct AssociationCase {
  const char* command;
  const char* programFiles;
  const char* expected;
};

class Association : public testing::TestWithParam<AssociationCase> {};

TEST_P(Association, CommandBecomesAProgramPath) {
  const CommandFolders folders{"C:\\WINNT\\", GetParam().programFiles};
  EXPECT_EQ(ProgramOfAssociation(GetParam().command, folders), GetParam().expected)
      << "command: " << GetParam().command;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, Association,
    testing::Values(
        AssociationCase{"C:\\WINNT\\notepad.exe \"%1\"", "C:\\Program Files",
                        "C:\\WINNT\\notepad.exe"},
        AssociationCase{"%SystemRoot%\\system32\\NOTEPAD.EXE %1", "C:\\Program Files",
                        "C:\\WINNT\\system32\\NOTEPAD.EXE"},
        AssociationCase{"%systemdrive%\\tools\\view.exe %1 %2", "", "C:\\tools\\view.exe"},
        AssociationCase{"\"%ProgramFiles%\\Editor\\ed.exe\" \"%1\"", "D:\\Programs",
                        "D:\\Programs\\Editor\\ed.exe"},
        // No Program Files folder: the token stays where it was.
        AssociationCase{"\"%ProgramFiles%\\Editor\\ed.exe\" \"%1\"", "",
                        "%ProgramFiles%\\Editor\\ed.exe"},
        // Only the first "%1" goes; each of %1..%9 once.
        AssociationCase{"a.exe %1 %1", "", "a.exe  %1"},
        AssociationCase{"a.exe %9 %3 %L", "", "a.exe   %L"},
        // Every occurrence of a folder token, in any letter case.
        AssociationCase{"%SYSTEMROOT%\\a.exe %systemroot%\\b", "", "C:\\WINNT\\a.exe C:\\WINNT\\b"},
        AssociationCase{"", "", ""}));

TEST(MenuCommand, FolderHoldingItsOwnTokenIsReplacedOnce) {
  const CommandFolders folders{"C:\\%systemroot%\\", "X:\\%programfiles%"};
  EXPECT_EQ(ProgramOfAssociation("%systemroot%\\a.exe", folders), "C:\\%systemroot%\\a.exe");
  EXPECT_EQ(ProgramOfAssociation("%programfiles%\\b.exe", folders), "X:\\%programfiles%\\b.exe");
}

}  // namespace
}  // namespace startbutton::test
