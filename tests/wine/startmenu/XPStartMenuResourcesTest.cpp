// The XP Start Menu texts written into a numbered shell copy and into the
// XP Start Menu item keys, checked by Windows' own LoadString and registry.

#include <gtest/gtest.h>

#include <windows.h>

#include "deploy/ShellLocation.h"
#include "deploy/XPStartMenuKeys.h"
#include "resedit/StringBlock.h"
#include "startmenu/StartMenuFiles.h"
#include "startmenu/XPStartMenuResources_win.h"
#include "tests/wine/deploy/DeployTestSupport.h"
#include "tests/wine/startbutton/StartButtonTestSupport.h"
#include "tests/wine/startmenu/XPStartMenuTestSupport.h"
#include "win/SystemFacts.h"

namespace startmenu::test {
namespace {

using deploy::kXPStartMenuKeys;
using startmenu::test::xp::Copy;
using startmenu::test::xp::ExpectKeysName;
using startmenu::test::xp::Explorer;

class XPStartMenuResources : public testing::Test {
 protected:
  void SetUp() override {
    startbutton::test::ResetShell();
    startmenu::test::xp::MarkFifthAndSixthKeys();
    startmenu::XPStartMenuTextsRead read = startmenu::LoadXPStartMenuStrings(deploy::CurrentShellPath);
    ASSERT_TRUE(read.Ok()) << read.refusal;
    texts_ = std::move(read.texts);
  }
  void TearDown() override { startbutton::test::ResetShell(); }

  startmenu::XPStartMenuTexts texts_;
};

TEST_F(XPStartMenuResources, EveryLeafHoldsTheTextWindowsLoads) {
  for (const startmenu::XPStartMenuNode& node : startmenu::kXPStartMenuTree) {
    if (node.IsCategory()) continue;
    const std::u16string text = texts_.Text(node.id);
    EXPECT_EQ(std::string(text.begin(), text.end()),
              startbutton::test::LoadShellString(Explorer(), node.id))
        << node.label;
  }
}

TEST_F(XPStartMenuResources, EditingRunChangesId7023AndTheFourthKeysName) {
  ASSERT_TRUE(texts_.SetLeafText(7023, u"&Launch..."));
  const core::Outcome written = startmenu::WriteXPStartMenuResources(Copy(1), texts_);
  ASSERT_TRUE(written.ok) << written.message;

  EXPECT_EQ(startbutton::test::LoadShellString(Copy(1), 7023), "&Launch...");
  startmenu::test::xp::ExpectBlocksAsExplorersBut(Copy(1), 7023);
  EXPECT_EQ(startmenu::test::xp::KeyDefault(0), startbutton::test::LoadShellString(Explorer(), 7020));
  EXPECT_EQ(startmenu::test::xp::KeyDefault(1), startbutton::test::LoadShellString(Explorer(), 7021));
  EXPECT_EQ(startmenu::test::xp::KeyDefault(2), startbutton::test::LoadShellString(Explorer(), 7022));
  EXPECT_EQ(startmenu::test::xp::KeyDefault(3), "&Launch...");
  startmenu::test::xp::ExpectFifthAndSixthKeysUntouched();
  ExpectKeysName("Xplorer1.exe");
  EXPECT_EQ(deploy::test::ShellSetting(), Copy(1));
  EXPECT_EQ(deploy::CurrentShellPath, Copy(1));
}

TEST_F(XPStartMenuResources, PhysicalRestoreNamesExplorerAgain) {
  ASSERT_TRUE(texts_.SetLeafText(7023, u"&Launch..."));
  ASSERT_TRUE(startmenu::WriteXPStartMenuResources(Copy(1), texts_).ok);
  ASSERT_EQ(startmenu::test::xp::KeyDefault(3), "&Launch...");

  const core::Outcome restored = startmenu::RestoreXPStartMenuShell();
  ASSERT_TRUE(restored.ok) << restored.message;
  ExpectKeysName("Explorer.exe");
  EXPECT_EQ(startmenu::test::xp::KeyDefault(3), startbutton::test::LoadShellString(Explorer(), 7023));
  startmenu::test::xp::ExpectFifthAndSixthKeysUntouched();
  EXPECT_EQ(deploy::test::ShellSetting(), Explorer());
}

TEST_F(XPStartMenuResources, FailedWriteSwitchesNothing) {
  ASSERT_TRUE(texts_.SetLeafText(7023, u"&Launch..."));
  for (const auto& key : kXPStartMenuKeys) {
    deploy::test::SetRegistryString(HKEY_CLASSES_ROOT, key.path, "InfoTip", "before");
  }
  const std::string nameBefore = startmenu::test::xp::KeyDefault(3);
  ASSERT_TRUE(CreateDirectoryA(Copy(1).c_str(), nullptr));
  const core::Outcome written = startmenu::WriteXPStartMenuResources(Copy(1), texts_);
  RemoveDirectoryA(Copy(1).c_str());
  EXPECT_FALSE(written.ok);
  EXPECT_NE(written.message.find(Copy(1)), std::string::npos) << written.message;
  for (const auto& key : kXPStartMenuKeys) {
    EXPECT_EQ(deploy::test::RegistryString(HKEY_CLASSES_ROOT, key.path, "InfoTip"), "before");
  }
  EXPECT_EQ(startmenu::test::xp::KeyDefault(3), nameBefore);
  EXPECT_EQ(deploy::test::ShellSetting(), Explorer());
}

TEST_F(XPStartMenuResources, TextsNeverReadWriteNothing) {
  const std::string nameBefore = startmenu::test::xp::KeyDefault(0);
  const core::Outcome written =
      startmenu::WriteXPStartMenuResources(Copy(1), startmenu::XPStartMenuTexts{});
  EXPECT_FALSE(written.ok);
  EXPECT_FALSE(deploy::test::Exists(Copy(1)));
  EXPECT_EQ(startmenu::test::xp::KeyDefault(0), nameBefore);
}

}  // namespace
}  // namespace startmenu::test
