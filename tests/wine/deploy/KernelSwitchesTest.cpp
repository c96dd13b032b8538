// boot.ini's kernel switches removed on disk: backup, attributes, no partial
// file.

#include <gtest/gtest.h>

#include "deploy/KernelSwitches.h"
#include "tests/wine/deploy/DeployTestSupport.h"
#include "win/SystemFacts.h"

namespace deploy::test {
namespace {

const char kWithSwitch[] =
    "[boot loader]\r\ntimeout=30\r\ndefault=multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS\r\n"
    "[operating systems]\r\n"
    "multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS=\"Quorlo logo\" /KERNEL=Kernl1.exe "
    "/fastdetect\r\n"
    "multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS=\"XP\" /fastdetect\r\n";
const char kWithout[] =
    "[boot loader]\r\ntimeout=30\r\ndefault=multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS\r\n"
    "[operating systems]\r\n"
    "multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS=\"Quorlo logo\" /fastdetect\r\n"
    "multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS=\"XP\" /fastdetect\r\n";

class KernelSwitches : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = win::GetTempDir() + "bootini\\";
    CreateDirectoryA(dir_.c_str(), nullptr);
    boot_ = dir_ + "boot.ini";
    backup_ = dir_ + "backup.ini";
    work_ = dir_ + "temp.ini";
    for (const auto& f : {boot_, backup_, work_}) deploy::test::RemoveFile(f);
    files_.bootIni = boot_.c_str();
    files_.backup = backup_.c_str();
    files_.work = work_.c_str();
  }
  std::string dir_, boot_, backup_, work_;
  deploy::BootIniFiles files_;
};

TEST_F(KernelSwitches, RemovedWithBackupAndPlainAttributes) {
  ASSERT_TRUE(deploy::test::WriteFileText(boot_, kWithSwitch));
  SetFileAttributesA(boot_.c_str(),
                     FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY);
  ASSERT_TRUE(deploy::RemoveKernelSwitchesIn(files_));
  EXPECT_EQ(ReadFileText(boot_), kWithout);
  EXPECT_EQ(ReadFileText(backup_), kWithSwitch);
  EXPECT_FALSE(Exists(work_));
  const DWORD attributes = GetFileAttributesA(boot_.c_str());
  EXPECT_EQ(attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY),
            0u);

  ASSERT_TRUE(deploy::RemoveKernelSwitchesIn(files_)) << "a second run";
  EXPECT_EQ(ReadFileText(boot_), kWithout);
}

TEST_F(KernelSwitches, MissingBootIniIsLeftMissing) {
  EXPECT_TRUE(deploy::RemoveKernelSwitchesIn(files_));
  EXPECT_FALSE(Exists(boot_));
  EXPECT_FALSE(Exists(backup_));
}

TEST_F(KernelSwitches, NoBackupMeansNoRewrite) {
  ASSERT_TRUE(deploy::test::WriteFileText(boot_, kWithSwitch));
  const std::string unwritable = dir_ + "no such folder\\backup.ini";
  files_.backup = unwritable.c_str();
  EXPECT_FALSE(deploy::RemoveKernelSwitchesIn(files_));
  EXPECT_EQ(ReadFileText(boot_), kWithSwitch);
}

TEST_F(KernelSwitches, WorkFileThatCannotBeWrittenLeavesBootIniAsItWas) {
  ASSERT_TRUE(deploy::test::WriteFileText(boot_, kWithSwitch));
  // A folder in the work file's place: it cannot be created as a file.
  CreateDirectoryA(work_.c_str(), nullptr);
  EXPECT_FALSE(deploy::RemoveKernelSwitchesIn(files_));
  EXPECT_EQ(ReadFileText(boot_), kWithSwitch);
  RemoveDirectoryA(work_.c_str());
}

TEST_F(KernelSwitches, RewriteTellsWhatItDid) {
  EXPECT_EQ(deploy::RewriteBootIni(files_, [](const std::string& t) { return t + "x"; }),
            deploy::BootIniRewrite::kMissing);
  EXPECT_FALSE(Exists(backup_));

  ASSERT_TRUE(deploy::test::WriteFileText(boot_, kWithout));
  SetFileAttributesA(boot_.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(deploy::RewriteBootIni(files_, [](const std::string& t) { return t; }),
            deploy::BootIniRewrite::kUnchanged);
  EXPECT_EQ(ReadFileText(boot_), kWithout);
  EXPECT_EQ(ReadFileText(backup_), kWithout);

  EXPECT_EQ(deploy::RewriteBootIni(files_, [](const std::string&) { return kWithSwitch; }),
            deploy::BootIniRewrite::kRewritten);
  EXPECT_EQ(ReadFileText(boot_), kWithSwitch);
  EXPECT_EQ(ReadFileText(backup_), kWithout);
  EXPECT_FALSE(Exists(work_));

  CreateDirectoryA(work_.c_str(), nullptr);
  EXPECT_EQ(deploy::RewriteBootIni(files_, [](const std::string&) { return kWithout; }),
            deploy::BootIniRewrite::kNoWorkFile);
  RemoveDirectoryA(work_.c_str());
  EXPECT_EQ(ReadFileText(boot_), kWithSwitch);

  const std::string unwritable = dir_ + "no such folder\\backup.ini";
  files_.backup = unwritable.c_str();
  EXPECT_EQ(deploy::RewriteBootIni(files_, [](const std::string&) { return kWithout; }),
            deploy::BootIniRewrite::kNoBackup);
  EXPECT_EQ(ReadFileText(boot_), kWithSwitch);
}

TEST(KernelSwitchesOnTheMachine, RealBootIniKeepsItsEntries) {
  if (deploy::test::Is9x()) GTEST_SKIP() << "no boot.ini on " << deploy::test::Version();
  const std::string before = ReadFileText("C:\\boot.ini");
  ASSERT_FALSE(before.empty());
  EXPECT_TRUE(deploy::RemoveKernelSwitches());
  EXPECT_EQ(ReadFileText("C:\\boot.ini"), before);
  EXPECT_EQ(ReadFileText("C:\\backup.ini"), before);
  EXPECT_FALSE(Exists("C:\\temp.ini"));
}

}  // namespace
}  // namespace deploy::test
