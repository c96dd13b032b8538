// System facts and shared utilities on each Windows machine.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/wine/WinePaths.h"
#include "win/ProgramIdentity.h"
#include "win/RegistryKey.h"
#include "win/SystemFacts.h"

namespace {

std::string Machine() {
  return winetest::EnvironmentOr("QUORLO_TEST_VERSION", "");
}

TEST(Utils, WindowsVersionAndPlatformFamilyOfTheMachine) {
  const struct {
    const char* machine;
    int version;
    int family;
  } cases[] = {{"win95", 1, 1}, {"win98", 2, 1}, {"winme", 3, 1},
               {"win2k", 4, 2}, {"winxp", 5, 2}, {"win7", -1, 2}};
  for (const auto& c : cases) {
    if (Machine() != c.machine) continue;
    EXPECT_EQ(win::WindowsVersion(), c.version) << c.machine;
    EXPECT_EQ(win::PlatformFamily(), c.family) << c.machine;
    return;
  }
  GTEST_SKIP() << "no expectation for machine \"" << Machine() << "\"";
}

TEST(Utils, AdministratorAndUserName) {
  // Wine's user holds the Administrators group; the 95 family passes anyway.
  EXPECT_TRUE(win::IsAdministrator());
  EXPECT_FALSE(win::CurrentUserName().empty());
}

TEST(Utils, DirectoriesEndWithBackslash) {
  for (const std::string& directory :
       {win::GetWindowsDir(), win::GetSystemDir(), win::GetTempDir()}) {
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(directory.back(), '\\') << directory;
  }
  EXPECT_EQ(win::GetSystemDir().rfind(win::GetWindowsDir(), 0), 0u) << win::GetSystemDir();
}

class TempDirTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedTmp_ = win::GetEnvironmentValue("TMP");
    savedTemp_ = win::GetEnvironmentValue("TEMP");
    tmp_ = win::GetWindowsDir() + "qtmp";
    temp_ = win::GetWindowsDir() + "qtemp";
    CreateDirectoryA(tmp_.c_str(), nullptr);
    CreateDirectoryA(temp_.c_str(), nullptr);
  }
  void TearDown() override {
    SetEnvironmentVariableA("TMP", savedTmp_.empty() ? nullptr : savedTmp_.c_str());
    SetEnvironmentVariableA("TEMP", savedTemp_.empty() ? nullptr : savedTemp_.c_str());
    RemoveDirectoryA(tmp_.c_str());
    RemoveDirectoryA(temp_.c_str());
  }
  static void Set(const char* name, const std::string& value) {
    SetEnvironmentVariableA(name, value.empty() ? nullptr : value.c_str());
  }

  std::string savedTmp_, savedTemp_, tmp_, temp_;
};

TEST_F(TempDirTest, FollowsTmpThenTempThenWindows) {
  const std::string missing = win::GetWindowsDir() + "no-such-dir";
  const struct {
    const char* label;
    std::string tmp;
    std::string temp;
    std::string expected;
  } cases[] = {
      {"TMP exists", tmp_, temp_, tmp_ + "\\"},
      {"TMP with backslash", tmp_ + "\\", temp_, tmp_ + "\\"},
      {"TMP missing", missing, temp_, temp_ + "\\"},
      {"TMP unset", "", temp_, temp_ + "\\"},
      {"both missing", missing, missing, win::GetWindowsDir()},
      {"both unset", "", "", win::GetWindowsDir()},
      {"TMP names a file", win::GetWindowsDir() + "win.ini", temp_, temp_ + "\\"},
  };
  for (const auto& c : cases) {
    Set("TMP", c.tmp);
    Set("TEMP", c.temp);
    EXPECT_EQ(win::GetTempDir(), c.expected) << c.label;
  }
}

TEST_F(TempDirTest, RelativeValueIsMadeAbsolute) {
  ASSERT_TRUE(SetCurrentDirectoryA(win::GetWindowsDir().c_str()));
  Set("TMP", "qtmp");
  EXPECT_EQ(win::GetTempDir(), tmp_ + "\\");
}

TEST(Utils, EnvironmentValueGrowsForLongValues) {
  const std::string value(3000, 'e');
  ASSERT_TRUE(SetEnvironmentVariableA("QUORLO_LONG", value.c_str()));
  EXPECT_EQ(win::GetEnvironmentValue("QUORLO_LONG"), value);
  EXPECT_EQ(win::GetEnvironmentValue("QUORLO_UNSET"), "");
}

TEST(Utils, ProgramFilesDirFromTheRegistry) {
  const std::string directory = win::GetProgramFilesDir();
  EXPECT_FALSE(directory.empty());
  EXPECT_EQ(directory.rfind("C:\\", 0), 0u) << directory;
}

TEST(Utils, FileCanBeOpened) {
  EXPECT_TRUE(win::FileCanBeOpened(win::GetWindowsDir() + "win.ini"));
  EXPECT_FALSE(win::FileCanBeOpened(win::GetWindowsDir() + "no such file"));
  EXPECT_FALSE(win::FileCanBeOpened(""));
}

class BootDriveTest : public ::testing::Test {
 protected:
  void SetUp() override { ForgetHost(); }
  void TearDown() override {
    ForgetHost();
    if (madeCommandCom_) DeleteFileA("C:\\Command.com");
  }
  static void ForgetHost() {
    win::RegistryKey::Create(HKEY_CURRENT_USER, win::ProgramRegistryKey)
        .DeleteValue(win::kHostValue);
  }
  static std::string StoredHost() {
    return win::RegistryKey::Open(HKEY_CURRENT_USER, win::ProgramRegistryKey)
        .ReadString(win::kHostValue)
        .value_or("<none>");
  }
  bool madeCommandCom_ = false;
};

TEST_F(BootDriveTest, StoredHostWinsTrimmedOfBlanks) {
  ASSERT_TRUE(win::RegistryKey::Create(HKEY_CURRENT_USER, win::ProgramRegistryKey)
                  .WriteString(win::kHostValue, "  D:\\ "));
  EXPECT_EQ(win::GetBootDrive(), "D:\\");
  ASSERT_TRUE(win::RegistryKey::Create(HKEY_CURRENT_USER, win::ProgramRegistryKey)
                  .WriteString(win::kHostValue, "   "));
  EXPECT_EQ(win::GetBootDrive(), "C:\\") << "a blank Host is no Host";
}

TEST_F(BootDriveTest, FindsTheDriveWithCommandComAndStoresIt) {
  if (GetFileAttributesA("C:\\Command.com") == INVALID_FILE_ATTRIBUTES) {
    // Without Command.com nothing qualifies: the fallback, not stored.
    EXPECT_EQ(win::GetBootDrive(), "C:\\");
    EXPECT_EQ(StoredHost(), "<none>");
    const HANDLE file =
        CreateFileA("C:\\Command.com", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    madeCommandCom_ = true;
  }
  EXPECT_EQ(win::GetBootDrive(), "C:\\");
  EXPECT_EQ(StoredHost(), "C:\\");
}

TEST(Utils, CompressedVolume) {
  EXPECT_FALSE(win::IsCompressedVolume("C:\\"));
  EXPECT_FALSE(win::IsCompressedVolume("Q:\\"));
}

}  // namespace
