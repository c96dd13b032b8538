#include <gtest/gtest.h>

#include <set>
#include <string>

#include "deploy/XPStartMenuKeys.h"

namespace deploy::test {
namespace {

TEST(XPStartMenuKeys, ReferencesNameTheFileWithoutItsDirectory) {
  EXPECT_EQ(deploy::ShellStringReference("Explorer.exe", 7000), "@Explorer.exe,-7000");
  EXPECT_EQ(deploy::ShellStringReference(deploy::FileNamePart("C:\\WINDOWS\\Xplorer3.exe"), 7025),
            "@Xplorer3.exe,-7025");
}

TEST(XPStartMenuKeys, FileNamePartCutsAtTheLastBackslashOrColon) {
  EXPECT_EQ(deploy::FileNamePart("C:\\WINDOWS\\Explorer.exe"), "Explorer.exe");
  EXPECT_EQ(deploy::FileNamePart("D:Xplorer3.exe"), "Xplorer3.exe");
  EXPECT_EQ(deploy::FileNamePart("Explorer.exe"), "Explorer.exe");
  EXPECT_EQ(deploy::FileNamePart("C:\\dir\\"), "");
}

TEST(XPStartMenuKeys, SixDistinctKeysWithTheWindowsSecurityRowSharingItsId) {
  std::set<std::string> paths;
  for (const auto& key : deploy::kXPStartMenuKeys) paths.insert(key.path);
  EXPECT_EQ(paths.size(), 6u);
  EXPECT_EQ(deploy::kXPStartMenuKeys[2].infoTipId, 7022);
  EXPECT_EQ(deploy::kXPStartMenuKeys[2].localizedStringId, 7022);
  EXPECT_EQ(deploy::kXPStartMenuKeys[5].localizedStringId, 7025);
}

}  // namespace
}  // namespace deploy::test
