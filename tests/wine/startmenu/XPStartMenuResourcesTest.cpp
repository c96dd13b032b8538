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
#include "win/SystemFacts.h"

namespace startmenu::test {
namespace {

using deploy::kXPStartMenuKeys;

std::string Explorer() {
  return win::GetWindowsDir() + "Explorer.exe";
}

std::string Copy(int n) {
  return win::GetWindowsDir() + "Xplorer" + std::to_string(n) + ".exe";
}

std::string Default(size_t key) {
  return deploy::test::RegistryString(HKEY_CLASSES_ROOT, kXPStartMenuKeys[key].path, "");
}

// The keys' values name fileName's strings.
void ExpectKeysName(const std::string& fileName) {
  for (const auto& key : kXPStartMenuKeys) {
    EXPECT_EQ(deploy::test::RegistryString(HKEY_CLASSES_ROOT, key.path, "InfoTip"),
              deploy::ShellStringReference(fileName, key.infoTipId))
        << key.path;
    EXPECT_EQ(deploy::test::RegistryString(HKEY_CLASSES_ROOT, key.path, "LocalizedString"),
              deploy::ShellStringReference(fileName, key.localizedStringId))
        << key.path;
  }
}

class XPStartMenuResources : public testing::Test {
 protected:
  // The fifth and sixth keys' default values are never ours to write.
  static constexpr char kMark[] = "set by the test";

  void SetUp() override {
    startbutton::test::ResetShell();
    for (size_t key = 4; key < 6; ++key)
      deploy::test::SetRegistryString(HKEY_CLASSES_ROOT, kXPStartMenuKeys[key].path, "", kMark);
    startmenu::XPStartMenuTextsRead read =
        startmenu::LoadXPStartMenuStrings(deploy::CurrentShellPath);
    ASSERT_TRUE(read.Ok()) << read.refusal;
    texts_ = std::move(read.texts);
  }
  void TearDown() override { startbutton::test::ResetShell(); }

  void ExpectFifthAndSixthUntouched() {
    EXPECT_EQ(Default(4), kMark);
    EXPECT_EQ(Default(5), kMark);
  }

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
  // Every other string of the six blocks is the shell's, byte for byte.
  for (uint32_t block : startmenu::kXPStartMenuBlocks) {
    const auto before = resedit::ReadStringBlock(Explorer(), block);
    const auto after = resedit::ReadStringBlock(Copy(1), block);
    ASSERT_TRUE(before && after) << "block " << block;
    for (uint32_t i = 0; i < 16; ++i) {
      if ((block - 1) * 16 + i == 7023) continue;
      EXPECT_EQ((*before)[i], (*after)[i]) << "block " << block << " string " << i;
    }
  }
  EXPECT_EQ(Default(0), startbutton::test::LoadShellString(Explorer(), 7020));
  EXPECT_EQ(Default(1), startbutton::test::LoadShellString(Explorer(), 7021));
  EXPECT_EQ(Default(2), startbutton::test::LoadShellString(Explorer(), 7022));
  EXPECT_EQ(Default(3), "&Launch...");
  ExpectFifthAndSixthUntouched();
  ExpectKeysName("Xplorer1.exe");
  EXPECT_EQ(deploy::test::ShellSetting(), Copy(1));
  EXPECT_EQ(deploy::CurrentShellPath, Copy(1));
}

TEST_F(XPStartMenuResources, PhysicalRestoreNamesExplorerAgain) {
  ASSERT_TRUE(texts_.SetLeafText(7023, u"&Launch..."));
  ASSERT_TRUE(startmenu::WriteXPStartMenuResources(Copy(1), texts_).ok);
  ASSERT_EQ(Default(3), "&Launch...");

  const core::Outcome restored = startmenu::RestoreXPStartMenuShell();
  ASSERT_TRUE(restored.ok) << restored.message;
  ExpectKeysName("Explorer.exe");
  EXPECT_EQ(Default(3), startbutton::test::LoadShellString(Explorer(), 7023));
  ExpectFifthAndSixthUntouched();
  EXPECT_EQ(deploy::test::ShellSetting(), Explorer());
}

TEST_F(XPStartMenuResources, FailedWriteSwitchesNothing) {
  ASSERT_TRUE(texts_.SetLeafText(7023, u"&Launch..."));
  for (const auto& key : kXPStartMenuKeys) {
    deploy::test::SetRegistryString(HKEY_CLASSES_ROOT, key.path, "InfoTip", "before");
  }
  const std::string nameBefore = Default(3);
  ASSERT_TRUE(CreateDirectoryA(Copy(1).c_str(), nullptr));
  const core::Outcome written = startmenu::WriteXPStartMenuResources(Copy(1), texts_);
  RemoveDirectoryA(Copy(1).c_str());
  EXPECT_FALSE(written.ok);
  EXPECT_NE(written.message.find(Copy(1)), std::string::npos) << written.message;
  for (const auto& key : kXPStartMenuKeys) {
    EXPECT_EQ(deploy::test::RegistryString(HKEY_CLASSES_ROOT, key.path, "InfoTip"), "before");
  }
  EXPECT_EQ(Default(3), nameBefore);
  EXPECT_EQ(deploy::test::ShellSetting(), Explorer());
}

TEST_F(XPStartMenuResources, TextsNeverReadWriteNothing) {
  const std::string nameBefore = Default(0);
  const core::Outcome written =
      startmenu::WriteXPStartMenuResources(Copy(1), startmenu::XPStartMenuTexts{});
  EXPECT_FALSE(written.ok);
  EXPECT_FALSE(deploy::test::Exists(Copy(1)));
  EXPECT_EQ(Default(0), nameBefore);
}

}  // namespace
}  // namespace startmenu::test
