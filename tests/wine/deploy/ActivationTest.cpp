// Pointing Windows at a copy: the shell setting of each family, the current
// shell found again, the XP Start Menu texts and the logon library.

#include <gtest/gtest.h>

#include "deploy/Activation.h"
#include "deploy/ShellLocation.h"
#include "deploy/XPStartMenuKeys.h"
#include "tests/wine/deploy/DeployTestSupport.h"
#include "win/SystemFacts.h"

namespace deploy::test {
namespace {

std::string InWindows(const char* name) {
  return win::GetWindowsDir() + name;
}

TEST(Activation, ActivateShellWritesTheFullPathAndIsFoundAgain) {
  const std::string copy = InWindows("Xplorer1.exe");
  ASSERT_TRUE(CopyFileA(InWindows("Explorer.exe").c_str(), copy.c_str(), FALSE));
  ASSERT_TRUE(deploy::ActivateShell(copy));
  EXPECT_EQ(deploy::test::ShellSetting(), copy);
  EXPECT_EQ(CurrentShellPath, copy);
  CurrentShellPath.clear();
  LocateCurrentShell();
  EXPECT_EQ(CurrentShellPath, copy);
}

TEST(Activation, SettingElsewhereIsTakenFromTheWindowsDirectory) {
  const std::string copy = InWindows("Xplorer3.exe");
  ASSERT_TRUE(deploy::SetShell("D:\\Somewhere\\else\\Xplorer3.exe"));

  ASSERT_TRUE(CopyFileA(InWindows("Explorer.exe").c_str(), copy.c_str(), FALSE));
  LocateCurrentShell();
  EXPECT_EQ(CurrentShellPath, copy);

  deploy::test::RemoveFile(copy);
  LocateCurrentShell();
  EXPECT_EQ(CurrentShellPath, InWindows("Explorer.exe"));
}

TEST(Activation, BareFileNameAndMissingSettingGiveTheWindowsDirectory) {
  ASSERT_TRUE(deploy::SetShell("Explorer.exe"));
  LocateCurrentShell();
  EXPECT_EQ(CurrentShellPath, InWindows("Explorer.exe"));
}

TEST(Activation, RelinkWritesTheTwelveValuesAndNeverTheDefaultNames) {
  for (const auto& key : deploy::kXPStartMenuKeys)
    deploy::test::SetRegistryString(HKEY_CLASSES_ROOT, key.path, "", "kept");
  ASSERT_TRUE(deploy::RelinkXPStartMenuStrings("C:\\WINDOWS\\Xplorer2.exe"));

  const struct {
    const char* key;
    const char* infoTip;
    const char* localized;
  } expected[] = {
      {"\\CLSID\\{2559a1f0-21d7-11d4-bdaf-00c04f60b9f0}", "@Xplorer2.exe,-7000",
       "@Xplorer2.exe,-7020"},
      {"\\CLSID\\{2559a1f1-21d7-11d4-bdaf-00c04f60b9f0}", "@Xplorer2.exe,-7001",
       "@Xplorer2.exe,-7021"},
      {"\\CLSID\\{2559a1f2-21d7-11d4-bdaf-00c04f60b9f0}", "@Xplorer2.exe,-7022",
       "@Xplorer2.exe,-7022"},
      {"\\CLSID\\{2559a1f3-21d7-11d4-bdaf-00c04f60b9f0}", "@Xplorer2.exe,-7003",
       "@Xplorer2.exe,-7023"},
      {"\\CLSID\\{2559a1f4-21d7-11d4-bdaf-00c04f60b9f0}", "@Xplorer2.exe,-7004",
       "@Xplorer2.exe,-7024"},
      {"\\CLSID\\{2559a1f5-21d7-11d4-bdaf-00c04f60b9f0}", "@Xplorer2.exe,-7005",
       "@Xplorer2.exe,-7025"},
  };
  for (const auto& row : expected) {
    EXPECT_EQ(deploy::test::RegistryString(HKEY_CLASSES_ROOT, row.key, "InfoTip"), row.infoTip)
        << row.key;
    EXPECT_EQ(deploy::test::RegistryString(HKEY_CLASSES_ROOT, row.key, "LocalizedString"),
              row.localized)
        << row.key;
    EXPECT_EQ(deploy::test::RegistryString(HKEY_CLASSES_ROOT, row.key, ""), "kept") << row.key;
  }
}

TEST(Activation, LogonLibrarySettingIsWrittenAndRemoved) {
  if (deploy::test::Is9x())
    GTEST_SKIP() << "no logon library setting on " << deploy::test::Version();
  const std::string copy = win::GetSystemDir() + "Gina1.dll";
  ASSERT_TRUE(deploy::SetGinaDll(copy));
  EXPECT_EQ(deploy::test::RegistryString(HKEY_LOCAL_MACHINE, deploy::kWinlogonKey, "GinaDLL"),
            copy);
  EXPECT_TRUE(deploy::SetGinaDll(""));
  EXPECT_FALSE(
      deploy::test::RegistryValueExists(HKEY_LOCAL_MACHINE, deploy::kWinlogonKey, "GinaDLL"));
  EXPECT_TRUE(deploy::SetGinaDll("")) << "removing a missing setting is no failure";
}

}  // namespace
}  // namespace deploy::test
