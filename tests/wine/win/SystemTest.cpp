// Version, user, environment, paths, volumes and profile files on Wine.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "win/Environment.h"
#include "win/Ini.h"
#include "win/Paths.h"
#include "win/Token.h"
#include "win/Version.h"
#include "win/Volumes.h"

namespace {

std::string TestVersion() {
  const char* version = std::getenv("QUORLO_TEST_VERSION");
  return version != nullptr ? version : "";
}

TEST(Version, ReportsTheMachineVersion) {
  const struct {
    const char* machine;
    DWORD platformId, major, minor;
  } cases[] = {
      {"win95", 1, 4, 0}, {"win98", 1, 4, 10}, {"winme", 1, 4, 90},
      {"win2k", 2, 5, 0}, {"winxp", 2, 5, 1},  {"win7", 2, 6, 1},
  };
  const win::OsVersion version = win::ReadOsVersion();
  ASSERT_TRUE(version.known);
  for (const auto& c : cases) {
    if (TestVersion() != c.machine) continue;
    EXPECT_EQ(version.platformId, c.platformId) << c.machine;
    EXPECT_EQ(version.major, c.major) << c.machine;
    EXPECT_EQ(version.minor, c.minor) << c.machine;
    return;
  }
  GTEST_SKIP() << "no expectation for machine \"" << TestVersion() << "\"";
}

TEST(Token, UserNameIsKnown) {
  EXPECT_FALSE(win::LoggedOnUserName().empty());
}

TEST(Token, WineUserIsAnAdministratorOnTheNtFamily) {
  if (win::ReadOsVersion().platformId != VER_PLATFORM_WIN32_NT) GTEST_SKIP() << "95 family";
  EXPECT_TRUE(win::TokenHasAdministrators());
}

TEST(Environment, ValuesOfAnyLength) {
  for (size_t length :
       {size_t(0), size_t(1), size_t(254), size_t(255), size_t(256), size_t(5000)}) {
    const std::string value(length, 'v');
    ASSERT_TRUE(SetEnvironmentVariableA("QUORLO_TEST_VALUE", length ? value.c_str() : nullptr));
    EXPECT_EQ(win::EnvironmentValue("QUORLO_TEST_VALUE").size(), length) << "length " << length;
  }
  EXPECT_EQ(win::EnvironmentValue("QUORLO_NOT_SET_ANYWHERE"), "");
}

TEST(Environment, ExpandsReferences) {
  ASSERT_TRUE(SetEnvironmentVariableA("QUORLO_TEST_DIR", "C:\\Tools"));
  EXPECT_EQ(win::ExpandEnvironment("%QUORLO_TEST_DIR%\\hh.ocx"), "C:\\Tools\\hh.ocx");
  EXPECT_EQ(win::ExpandEnvironment("plain"), "plain");
  EXPECT_EQ(win::ExpandEnvironment(""), "");
}

TEST(Paths, DirectoriesEndWithBackslashAndExist) {
  for (const std::string& directory :
       {win::WindowsDirectory(), win::SystemDirectory(), win::ExecutableDirectory()}) {
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(directory.back(), '\\') << directory;
    EXPECT_TRUE(win::DirectoryExists(directory)) << directory;
    EXPECT_FALSE(win::FileExists(directory)) << directory;
  }
  EXPECT_TRUE(win::FileExists(win::ExecutablePath())) << win::ExecutablePath();
  EXPECT_TRUE(win::FileOpensForReading(win::ExecutablePath()));
  EXPECT_FALSE(win::FileOpensForReading(win::WindowsDirectory() + "no such file.xyz"));
  EXPECT_FALSE(win::FileOpensForReading(""));
}

TEST(Paths, TrailingBackslashAndFullPath) {
  EXPECT_EQ(win::WithTrailingBackslash("C:\\x"), "C:\\x\\");
  EXPECT_EQ(win::WithTrailingBackslash("C:\\x\\"), "C:\\x\\");
  EXPECT_EQ(win::WithTrailingBackslash(""), "\\");
  EXPECT_EQ(win::FullPath("C:\\a\\b\\..\\c"), "C:\\a\\c");
}

TEST(Paths, LongFilePathOpens) {
  // Deeper than the 128 characters OpenFile accepts.
  std::string path = win::WindowsDirectory() + "temp";
  CreateDirectoryA(path.c_str(), nullptr);
  path += "\\" + std::string(150, 'd');
  ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
  const std::string file = path + "\\Help.chm";
  const HANDLE handle =
      CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);
  CloseHandle(handle);
  EXPECT_TRUE(win::FileOpensForReading(file)) << file.size() << " characters";
  DeleteFileA(file.c_str());
  RemoveDirectoryA(path.c_str());
}

TEST(Volumes, DriveCIsFixedAndUncompressed) {
  EXPECT_TRUE(win::DriveExists('C'));
  EXPECT_FALSE(win::DriveExists('@'));
  EXPECT_EQ(win::DriveRoot('C'), "C:\\");
  EXPECT_TRUE(win::DriveIsFixed("C:\\"));
  EXPECT_FALSE(win::VolumeIsCompressed("C:\\"));
  EXPECT_FALSE(win::VolumeIsCompressed("Q:\\no volume here\\"));
}

TEST(Ini, ValuesRoundTripWithFallbacks) {
  const std::string file = win::WindowsDirectory() + "quorlo-test.ini";
  DeleteFileA(file.c_str());
  EXPECT_EQ(win::IniReadString(file, "boot", "shell", "fallback"), "fallback");
  ASSERT_TRUE(win::IniWriteString(file, "boot", "shell", "Xplorer1.exe"));
  EXPECT_EQ(win::IniReadString(file, "boot", "shell", "fallback"), "Xplorer1.exe");
  EXPECT_EQ(win::IniReadString(file, "boot", "other", ""), "");
  const std::string longValue(1000, 'L');
  ASSERT_TRUE(win::IniWriteString(file, "boot", "long", longValue));
  EXPECT_EQ(win::IniReadString(file, "boot", "long", ""), longValue);
  DeleteFileA(file.c_str());
}

}  // namespace
