// "Quorlo.exe /r" on every Windows: exactly the undo steps of that version,
// silently, and the same result when run twice.

#include <gtest/gtest.h>

#include "deploy/Activation.h"
#include "deploy/XPStartMenuKeys.h"
#include "tests/wine/app/QuorloProcess.h"
#include "tests/wine/deploy/DeployTestSupport.h"
#include "win/SystemFacts.h"

namespace deploy::test {
namespace {

const char kSwitchedLine[] =
    "multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS=\"Quorlo logo\" /kernel=Kernl1.exe "
    "/fastdetect\r\n";
const char kPlainLine[] =
    "multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS=\"Quorlo logo\" /fastdetect\r\n";

bool IsNt() {
  return !deploy::test::Is9x();
}
bool Is2000OrXp() {
  return deploy::test::Version() == "win2k" || deploy::test::IsXP();
}

class RestoreAll : public testing::Test {
 protected:
  void SetUp() override {
    // The program runs from a folder of its own, where the 9x logos are saved.
    programDir_ = "C:\\Program Files\\Quorlo\\";
    CreateDirectoryA(programDir_.c_str(), nullptr);
    program_ = programDir_ + "Quorlo.exe";
    ASSERT_TRUE(CopyFileA(app::test::BuiltProgram().c_str(), program_.c_str(), FALSE));

    deploy::SetShell(win::GetWindowsDir() + "Xplorer1.exe");
    if (IsNt()) {
      deploy::SetGinaDll(win::GetSystemDir() + "Gina1.dll");
      bootBefore_ = ReadFileText("C:\\boot.ini") + kSwitchedLine;
      deploy::test::WriteFileText("C:\\boot.ini", bootBefore_);
    }
    for (const auto& key : deploy::kXPStartMenuKeys) {
      deploy::test::SetRegistryString(HKEY_CLASSES_ROOT, key.path, "", "Renamed");
      deploy::test::SetRegistryString(HKEY_CLASSES_ROOT, key.path, "InfoTip",
                                      deploy::ShellStringReference("Xplorer1.exe", key.infoTipId));
    }
    if (deploy::test::Is9x()) {
      deploy::test::WriteFileText(win::GetBootDrive() + "logo.sys", "changed boot logo");
      deploy::test::WriteFileText(programDir_ + "logo.sys", "saved boot logo");
      deploy::test::WriteFileText(programDir_ + "Logow.sys", "saved wait logo");
      logosBefore_ = ReadFileText(win::GetWindowsDir() + "Logos.sys");
    }
  }

  void RunRestoreMode() {
    app::test::QuorloProcess quorlo(program_, "/r");
    ASSERT_TRUE(quorlo.Started());
    EXPECT_EQ(quorlo.WaitForExit(), 0u);
  }

  std::string programDir_, program_, bootBefore_, logosBefore_;
};

TEST_F(RestoreAll, UndoesExactlyTheStepsOfThisWindowsTwiceAlike) {
  for (int run = 1; run <= 2; ++run) {
    SCOPED_TRACE("run " + std::to_string(run));
    RunRestoreMode();

    EXPECT_EQ(deploy::test::ShellSetting(), win::GetWindowsDir() + "Explorer.exe");

    if (IsNt()) {
      const bool gina =
          deploy::test::RegistryValueExists(HKEY_LOCAL_MACHINE, deploy::kWinlogonKey, "GinaDLL");
      const std::string boot = ReadFileText("C:\\boot.ini");
      if (Is2000OrXp()) {
        EXPECT_FALSE(gina);
        EXPECT_EQ(boot.find("/kernel="), std::string::npos) << boot;
        EXPECT_NE(boot.find(kPlainLine), std::string::npos) << boot;
        EXPECT_EQ(ReadFileText("C:\\backup.ini"), run == 1 ? bootBefore_ : boot);
      } else {
        EXPECT_TRUE(gina) << "only 2000 and XP lose the logon library setting";
        EXPECT_EQ(boot, bootBefore_);
      }
    }

    for (const auto& key : deploy::kXPStartMenuKeys) {
      const std::string name = deploy::test::RegistryString(HKEY_CLASSES_ROOT, key.path, "");
      const std::string tip = deploy::test::RegistryString(HKEY_CLASSES_ROOT, key.path, "InfoTip");
      if (deploy::test::IsXP()) {
        EXPECT_EQ(name, key.defaultName);
        EXPECT_EQ(tip, deploy::ShellStringReference("Explorer.exe", key.infoTipId));
        EXPECT_EQ(deploy::test::RegistryString(HKEY_CLASSES_ROOT, key.path, "LocalizedString"),
                  deploy::ShellStringReference("Explorer.exe", key.localizedStringId));
      } else {
        EXPECT_EQ(name, "Renamed");
        EXPECT_EQ(tip, deploy::ShellStringReference("Xplorer1.exe", key.infoTipId));
      }
    }

    if (deploy::test::Is9x()) {
      EXPECT_EQ(ReadFileText(win::GetBootDrive() + "logo.sys"), "saved boot logo");
      EXPECT_EQ(ReadFileText(win::GetWindowsDir() + "Logow.sys"), "saved wait logo");
      EXPECT_EQ(ReadFileText(win::GetWindowsDir() + "Logos.sys"), logosBefore_)
          << "no saved shut-down logo leaves Windows' copy alone";
    }
  }
}

TEST_F(RestoreAll, WithoutASavedBootLogoTheBootDrivesIsDeleted) {
  if (!deploy::test::Is9x()) GTEST_SKIP() << "logo files are a 95/98/Millennium matter";
  deploy::test::RemoveFile(programDir_ + "logo.sys");
  RunRestoreMode();
  EXPECT_FALSE(Exists(win::GetBootDrive() + "logo.sys"));
}

}  // namespace
}  // namespace deploy::test
