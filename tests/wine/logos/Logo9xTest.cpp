// The 9x/ME logo files on the machine: the one-time backups, byte 50, what
// OK writes, restores and deletes, and a logo that cannot be written.

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "logos/Logo9xFiles_win.h"
#include "tests/wine/deploy/DeployTestSupport.h"
#include "tests/wine/logos/LogosTestSupport.h"
#include "win/ProgramIdentity.h"
#include "win/SystemFacts.h"

namespace logos::test {
namespace {

class Logo9x : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    folders_ = logos::MachineLogo9xFolders();
    for (int n = 1; n <= logos::kLogoFileCount; ++n)
      originals_[n - 1] = ReadBytes(logos::Logo9xFilePath(n, folders_));
  }

  void SetUp() override {
    ASSERT_TRUE(deploy::test::Is9x()) << deploy::test::Version();
    // The backups go to a folder of the test's own, not beside the test program.
    folders_.programFolder = logos::test::FreshFolder("logos9x-program");
    for (int n = 1; n <= logos::kLogoFileCount; ++n) {
      ASSERT_FALSE(originals_[n - 1].empty()) << "fixture logo " << n;
      ASSERT_TRUE(logos::test::WriteBytes(Path(n), originals_[n - 1]));
    }
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, win::ProgramRegistryKey + 1, 0, KEY_SET_VALUE, &key) ==
        ERROR_SUCCESS) {
      RegDeleteValueA(key, logos::kLogosBackedUpValue);
      RegCloseKey(key);
    }
    shellBefore_ = deploy::test::ShellSetting();
  }

  void TearDown() override {
    for (int n = 1; n <= logos::kLogoFileCount; ++n)
      logos::test::WriteBytes(Path(n), originals_[n - 1]);
  }

  static std::string Path(int n) { return logos::Logo9xFilePath(n, folders_); }
  static std::string Backup(int n) { return logos::Logo9xBackupPath(n, folders_); }

  // A logo of its own for entry n: the original with other pixels.
  static Bytes NewLogo(int n, int animatedColours) {
    Bytes bytes = originals_[n - 1];
    for (size_t i = bytes.size() - 1000; i < bytes.size(); ++i) bytes[i] ^= uint8_t(0x55 + n);
    const logos::NewLogo9x made = logos::MakeNewLogo9x(bytes, animatedColours);
    EXPECT_TRUE(made.outcome.ok) << made.outcome.message;
    return made.bytes;
  }

  static logos::Logo9xFolders folders_;
  static std::array<Bytes, logos::kLogoFileCount> originals_;
  std::string shellBefore_;
};

logos::Logo9xFolders Logo9x::folders_;
std::array<Bytes, logos::kLogoFileCount> Logo9x::originals_;

TEST_F(Logo9x, MillenniumHasNoShutDownInProgressLogo) {
  const std::vector<int> shown = logos::ShownLogoFiles(win::WindowsVersion());
  if (deploy::test::Version() == "winme")
    EXPECT_EQ(shown, (std::vector<int>{1, 2}));
  else
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3}));
}

TEST_F(Logo9x, BackupsAreMadeOnceAndNeverOverwritten) {
  ASSERT_TRUE(logos::MakeLogoBackups(folders_));
  for (int n = 1; n <= logos::kLogoFileCount; ++n)
    EXPECT_EQ(ReadBytes(Backup(n)), originals_[n - 1]) << "backup " << n;
  EXPECT_EQ(deploy::test::RegistryString(HKEY_CURRENT_USER, win::ProgramRegistryKey,
                                         logos::kLogosBackedUpValue),
            "true");

  logos::Logo9xChanges changes;
  for (int n = 1; n <= logos::kLogoFileCount; ++n) changes.Change(n, NewLogo(n, 7));
  const core::Outcome applied = changes.Apply(folders_);
  ASSERT_TRUE(applied.ok) << applied.message;

  // The second opening, and one after the value was lost: the backups stay
  // the logos Windows had before the first change.
  EXPECT_TRUE(logos::MakeLogoBackups(folders_));
  deploy::test::SetRegistryString(HKEY_CURRENT_USER, win::ProgramRegistryKey,
                                  logos::kLogosBackedUpValue, "FALSE");
  EXPECT_TRUE(logos::MakeLogoBackups(folders_));
  for (int n = 1; n <= logos::kLogoFileCount; ++n) {
    EXPECT_EQ(ReadBytes(Backup(n)), originals_[n - 1]) << "backup " << n;
    EXPECT_EQ(ReadBytes(Path(n)), NewLogo(n, 7)) << "logo " << n;
  }
}

TEST_F(Logo9x, NewLogoCarriesTheAnimatedColoursAtByte50) {
  for (int count : {0, 255}) {
    const std::string made = win::GetTempDir() + "_tempbmp.bmp";
    Bytes pipelineOutput = originals_[0];
    pipelineOutput[50] = 99;
    ASSERT_TRUE(logos::test::WriteBytes(made, pipelineOutput));
    const logos::NewLogo9x logo = logos::TakeNewLogo9xFile(made, count);
    ASSERT_TRUE(logo.outcome.ok) << logo.outcome.message;
    EXPECT_FALSE(deploy::test::Exists(made)) << "the pipeline's file is used up";
    ASSERT_EQ(logo.bytes.size(), pipelineOutput.size());
    EXPECT_EQ(logo.bytes[50], count);

    logos::Logo9xChanges changes;
    changes.Change(1, logo.bytes);
    ASSERT_TRUE(changes.Apply(folders_).ok);
    const Bytes written = ReadBytes(Path(1));
    ASSERT_EQ(written.size(), pipelineOutput.size());
    EXPECT_EQ(written[50], count);
    pipelineOutput[50] = uint8_t(count);
    EXPECT_EQ(written, pipelineOutput) << "nothing but byte 50 changes";
  }
  const logos::NewLogo9x notABitmap = logos::MakeNewLogo9x(Bytes(60, 0), 3);
  EXPECT_FALSE(notABitmap.outcome.ok);
  EXPECT_FALSE(logos::MakeNewLogo9x(originals_[0], 256).outcome.ok);
}

TEST_F(Logo9x, RestoreWithBackupPutsItBack) {
  ASSERT_TRUE(logos::MakeLogoBackups(folders_));
  for (int n = 1; n <= logos::kLogoFileCount; ++n)
    ASSERT_TRUE(logos::test::WriteBytes(Path(n), NewLogo(n, 1)));
  logos::Logo9xChanges changes;
  for (int n = 1; n <= logos::kLogoFileCount; ++n)
    EXPECT_EQ(changes.Restore(n, folders_), logos::RestoreShows::kBackup) << n;
  const core::Outcome applied = changes.Apply(folders_);
  ASSERT_TRUE(applied.ok) << applied.message;
  for (int n = 1; n <= logos::kLogoFileCount; ++n)
    EXPECT_EQ(ReadBytes(Path(n)), originals_[n - 1]) << "logo " << n;
  EXPECT_EQ(deploy::test::ShellSetting(), win::GetWindowsDir() + "Explorer.exe")
      << "OK after a restore writes the shell setting again";
}

TEST_F(Logo9x, RestoreWithoutBackup) {
  logos::Logo9xChanges changes;
  EXPECT_EQ(changes.Restore(2, folders_), logos::RestoreShows::kBackupMissing);
  EXPECT_EQ(changes.Restore(3, folders_), logos::RestoreShows::kBackupMissing);
  EXPECT_FALSE(changes.AnyMarked()) << "a missing backup of a shut-down logo changes nothing";
  EXPECT_EQ(changes.Restore(1, folders_), logos::RestoreShows::kWindowsDefault);
  const core::Outcome applied = changes.Apply(folders_);
  ASSERT_TRUE(applied.ok) << applied.message;
  EXPECT_FALSE(deploy::test::Exists(Path(1))) << "Windows shows its built-in start-up logo";
  EXPECT_EQ(ReadBytes(Path(2)), originals_[1]);
  EXPECT_EQ(ReadBytes(Path(3)), originals_[2]);
}

TEST_F(Logo9x, WindowsDefaultAfterAChangeDeletesTheStartupLogo) {
  ASSERT_TRUE(logos::MakeLogoBackups(folders_));
  logos::Logo9xChanges changes;
  changes.Change(1, NewLogo(1, 4));
  changes.WindowsDefault();
  const core::Outcome applied = changes.Apply(folders_);
  ASSERT_TRUE(applied.ok) << applied.message;
  EXPECT_FALSE(deploy::test::Exists(Path(1)));
  EXPECT_TRUE(deploy::test::Exists(Backup(1))) << "the backup stays";
}

TEST_F(Logo9x, OkWithoutChangesTouchesNothing) {
  const logos::Logo9xChanges changes;
  ASSERT_TRUE(changes.Apply(folders_).ok);
  for (int n = 1; n <= logos::kLogoFileCount; ++n) EXPECT_EQ(ReadBytes(Path(n)), originals_[n - 1]);
  EXPECT_EQ(deploy::test::ShellSetting(), shellBefore_);
}

TEST_F(Logo9x, LogoThatCannotBeWrittenStaysAndIsNamed) {
  const std::string shutDown = Path(2);
  ASSERT_TRUE(SetFileAttributesA(shutDown.c_str(), FILE_ATTRIBUTE_READONLY));
  logos::Logo9xChanges changes;
  changes.Change(1, NewLogo(1, 2));
  changes.Change(2, NewLogo(2, 2));
  const core::Outcome applied = changes.Apply(folders_);
  SetFileAttributesA(shutDown.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_FALSE(applied.ok);
  EXPECT_NE(applied.message.find("\"Shut down\""), std::string::npos) << applied.message;
  EXPECT_NE(applied.message.find(shutDown), std::string::npos) << applied.message;
  EXPECT_EQ(applied.message.find("\"Startup\""), std::string::npos) << applied.message;
  EXPECT_EQ(ReadBytes(shutDown), originals_[1]) << "the old logo stays";
  EXPECT_FALSE(deploy::test::Exists(shutDown + ".quorlo-tmp"));
  EXPECT_EQ(ReadBytes(Path(1)), NewLogo(1, 2)) << "the other logo is written";

  // Windows default on a start-up logo that cannot be deleted.
  ASSERT_TRUE(SetFileAttributesA(Path(1).c_str(), FILE_ATTRIBUTE_READONLY));
  logos::Logo9xChanges windowsDefault;
  windowsDefault.WindowsDefault();
  const core::Outcome deleted = windowsDefault.Apply(folders_);
  SetFileAttributesA(Path(1).c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_FALSE(deleted.ok);
  EXPECT_NE(deleted.message.find("\"Startup\""), std::string::npos) << deleted.message;
  EXPECT_TRUE(deploy::test::Exists(Path(1)));
}

}  // namespace
}  // namespace logos::test
