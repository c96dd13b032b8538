// Free names for the numbered shell and logon-library copies.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "deploy/ShellLocation.h"
#include "tests/robot/Robot.h"
#include "tests/wine/deploy/DeployTestSupport.h"
#include "ui/MessageBox.h"
#include "win/SystemFacts.h"

namespace deploy::test {
namespace {

// Holds a file open with no sharing, as Windows holds a running shell.
class LockedFile {
 public:
  explicit LockedFile(const std::string& path)
      : handle_(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0,
                            nullptr)) {}
  ~LockedFile() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  bool ok() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

class ShellNames : public testing::Test {
 protected:
  void SetUp() override {
    for (char n = '1'; n <= '9'; ++n) {
      deploy::test::RemoveFile(Shell(n));
      deploy::test::RemoveFile(Gina(n));
    }
  }
  static std::string Shell(char n) { return win::GetWindowsDir() + "Xplorer" + n + ".exe"; }
  static std::string Gina(char n) { return win::GetSystemDir() + "Gina" + n + ".dll"; }
  static void Touch(const std::string& path) { deploy::test::WriteFileText(path, "old copy"); }
};

TEST_F(ShellNames, FirstUseTakesNumberOne) {
  EXPECT_EQ(MakeUniqueShellName(win::GetWindowsDir() + "Explorer.exe").path, Shell('1'));
  EXPECT_EQ(MakeUniqueGinaName(win::GetSystemDir() + "MSGINA.DLL").path, Gina('1'));
}

TEST_F(ShellNames, RunningCopyIsSkippedAndKept) {
  Touch(Shell('1'));
  EXPECT_EQ(MakeUniqueShellName(Shell('1')).path, Shell('2'));
  EXPECT_TRUE(Exists(Shell('1')));
}

TEST_F(ShellNames, StaleCopyIsDeletedAndItsNumberReused) {
  Touch(Shell('1'));
  EXPECT_EQ(MakeUniqueShellName(Shell('2')).path, Shell('1'));
  EXPECT_FALSE(Exists(Shell('1')));
}

TEST_F(ShellNames, LockedCopyIsSkipped) {
  LockedFile locked(Shell('1'));
  ASSERT_TRUE(locked.ok());
  EXPECT_EQ(MakeUniqueShellName(win::GetWindowsDir() + "Explorer.exe").path, Shell('2'));
  EXPECT_TRUE(Exists(Shell('1')));
}

TEST_F(ShellNames, RunningLogonLibraryIsRecognisedInAnyLetterCase) {
  LockedFile locked(Gina('1'));
  Touch(Gina('2'));
  EXPECT_EQ(MakeUniqueGinaName(win::GetSystemDir() + "gina2.DLL").path, Gina('3'));
  EXPECT_TRUE(Exists(Gina('2')));
  EXPECT_EQ(MakeUniqueGinaName("D:\\Elsewhere\\GINA2.dll").path, Gina('3'));
}

struct FullCase {
  const char* what;
  bool shell;
  const char* purposeLine;
};

class AllNineTaken : public ShellNames, public testing::WithParamInterface<FullCase> {};

TEST_P(AllNineTaken, ToldExactlyAndOwnerClosed) {
  std::vector<std::unique_ptr<LockedFile>> locks;
  for (char n = '1'; n <= '9'; ++n)
    locks.push_back(std::make_unique<LockedFile>(GetParam().shell ? Shell(n) : Gina(n)));
  deploy::test::OwnerWindow owner("Quorlo - Start Button Manager");
  robot::MessageBoxAnswerer answer(IDOK);
  const deploy::UniqueName name = GetParam().shell
                                      ? MakeUniqueShellName(win::GetWindowsDir() + "Explorer.exe")
                                      : MakeUniqueGinaName(win::GetSystemDir() + "MSGINA.DLL");
  // What the manager window does with it.
  ui::ShowErrorAndClose(owner.hwnd(), name.message);
  const robot::MessageBoxInfo seen = answer.Result();

  const std::string expected =
      std::string("Quorlo cannot find a unique name for the new file about to\r\n") +
      GetParam().purposeLine +
      "\r\n\r\nYou will need to restart your computer before making any more\r\nchanges.";
  EXPECT_FALSE(name.found);
  EXPECT_EQ(name.path, "");
  EXPECT_EQ(name.message, expected);
  ASSERT_TRUE(seen.found());
  EXPECT_EQ(seen.caption, "Quorlo - Start Button Manager");
  EXPECT_EQ(seen.text, expected);
  EXPECT_TRUE(owner.CloseRequested());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, AllNineTaken,
    testing::Values(
        FullCase{"shell", true, "be created. This file is used to update the Windows shell."},
        FullCase{"logon library", false,
                 "be created. This file is used to update the Windows Logon Dialogs."}));

}  // namespace
}  // namespace deploy::test
