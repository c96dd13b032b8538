// Each Wine machine plays its Windows version: the version numbers the
// program's version rule reads, the synthetic system files at their Windows
// paths, and the settings that name the shell.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <map>
#include <string>

namespace {

struct VersionFacts {
  DWORD platform;
  DWORD major;
  DWORD minor;
};

const std::map<std::string, VersionFacts> kVersions = {
    {"win95", {VER_PLATFORM_WIN32_WINDOWS, 4, 0}},  {"win98", {VER_PLATFORM_WIN32_WINDOWS, 4, 10}},
    {"winme", {VER_PLATFORM_WIN32_WINDOWS, 4, 90}}, {"win2k", {VER_PLATFORM_WIN32_NT, 5, 0}},
    {"winxp", {VER_PLATFORM_WIN32_NT, 5, 1}},       {"win7", {VER_PLATFORM_WIN32_NT, 6, 1}},
};

std::string Version() {
  const char* v = std::getenv("QUORLO_TEST_VERSION");
  return v ? v : "";
}

bool Is9x() {
  return Version() == "win95" || Version() == "win98" || Version() == "winme";
}
bool IsNt2000OrXp() {
  return Version() == "win2k" || Version() == "winxp";
}

std::string WindowsDir() {
  char dir[MAX_PATH];
  GetWindowsDirectoryA(dir, MAX_PATH);
  return std::string(dir) + "\\";
}

std::string SystemDir() {
  char dir[MAX_PATH];
  GetSystemDirectoryA(dir, MAX_PATH);
  return std::string(dir) + "\\";
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(Machine, ReportsItsWindowsVersion) {
  auto it = kVersions.find(Version());
  ASSERT_NE(it, kVersions.end()) << "unknown QUORLO_TEST_VERSION " << Version();
  OSVERSIONINFOA info{sizeof info};
  ASSERT_TRUE(GetVersionExA(&info));
  EXPECT_EQ(info.dwPlatformId, it->second.platform);
  EXPECT_EQ(info.dwMajorVersion, it->second.major);
  EXPECT_EQ(info.dwMinorVersion, it->second.minor);
}

TEST(Machine, HoldsTheSyntheticSystemFiles) {
  EXPECT_TRUE(Exists(WindowsDir() + "Explorer.exe"));
  EXPECT_TRUE(Exists(SystemDir() + "ntoskrnl.exe"));
  EXPECT_TRUE(Exists(SystemDir() + "MSGINA.DLL"));
  if (Is9x()) {
    for (const char* path : {"C:\\logo.sys", "C:\\Command.com"}) EXPECT_TRUE(Exists(path)) << path;
    EXPECT_TRUE(Exists(WindowsDir() + "Logow.sys"));
    EXPECT_TRUE(Exists(WindowsDir() + "Logos.sys"));
  }
  EXPECT_EQ(Exists("C:\\boot.ini"), IsNt2000OrXp());
}

TEST(Machine, NamesTheShellWhereItsVersionKeepsIt) {
  char shell[MAX_PATH] = {};
  GetPrivateProfileStringA("boot", "shell", "", shell, MAX_PATH, "System.ini");
  EXPECT_EQ(std::string(shell), Is9x() ? "Explorer.exe" : "") << "System.ini [boot] shell";

  HKEY key;
  std::string winlogonShell;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon",
                    0, KEY_READ, &key) == ERROR_SUCCESS) {
    char value[MAX_PATH] = {};
    DWORD size = sizeof value;
    if (RegQueryValueExA(key, "Shell", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) ==
        ERROR_SUCCESS)
      winlogonShell = value;
    RegCloseKey(key);
  }
  if (IsNt2000OrXp()) {
    EXPECT_EQ(winlogonShell, "Explorer.exe");
  }
}

TEST(Machine, BootIniHasTwoOperatingSystems) {
  if (!IsNt2000OrXp()) GTEST_SKIP() << "no boot.ini on " << Version();
  char section[4096] = {};
  const DWORD length =
      GetPrivateProfileSectionA("operating systems", section, sizeof section, "C:\\boot.ini");
  int lines = 0;
  for (const char* p = section; p < section + length && *p; p += strlen(p) + 1) ++lines;
  EXPECT_EQ(lines, 2);
}

TEST(Machine, ShellFileIsReadableAsDataAndYieldsItsStartWord) {
  const std::string path = WindowsDir() + "Explorer.exe";
  // Plain LOAD_LIBRARY_AS_DATAFILE, as on XP: with LOAD_LIBRARY_AS_IMAGE_RESOURCE
  // Wine's loader consults the builtin override for "explorer.exe" and fails.
  HMODULE shell = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(shell, nullptr) << "error " << GetLastError();
  char text[256] = {};
  // String 578 sits in block 37: the Start button's word.
  EXPECT_GT(LoadStringA(shell, 578, text, sizeof text), 0);
  EXPECT_STREQ(text, "Start");
  FreeLibrary(shell);
}

}  // namespace
