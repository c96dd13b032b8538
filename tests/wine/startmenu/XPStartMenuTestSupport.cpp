#include "tests/wine/startmenu/XPStartMenuTestSupport.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "deploy/XPStartMenuKeys.h"
#include "resedit/StringBlock.h"
#include "startmenu/XPStartMenuTexts.h"
#include "tests/wine/deploy/DeployTestSupport.h"
#include "win/SystemFacts.h"

namespace startmenu::test::xp {

namespace {

constexpr char kMark[] = "set by the test";

}  // namespace

std::string Explorer() {
  return win::GetWindowsDir() + "Explorer.exe";
}

std::string Copy(int n) {
  return win::GetWindowsDir() + "Xplorer" + std::to_string(n) + ".exe";
}

std::string KeyDefault(size_t key) {
  return deploy::test::RegistryString(HKEY_CLASSES_ROOT, deploy::kXPStartMenuKeys[key].path, "");
}

void ExpectKeysName(const std::string& fileName) {
  for (const auto& key : deploy::kXPStartMenuKeys) {
    EXPECT_EQ(deploy::test::RegistryString(HKEY_CLASSES_ROOT, key.path, "InfoTip"),
              deploy::ShellStringReference(fileName, key.infoTipId))
        << key.path;
    EXPECT_EQ(deploy::test::RegistryString(HKEY_CLASSES_ROOT, key.path, "LocalizedString"),
              deploy::ShellStringReference(fileName, key.localizedStringId))
        << key.path;
  }
}

void MarkFifthAndSixthKeys() {
  for (size_t key = 4; key < 6; ++key)
    deploy::test::SetRegistryString(HKEY_CLASSES_ROOT, deploy::kXPStartMenuKeys[key].path, "", kMark);
}

void ExpectFifthAndSixthKeysUntouched() {
  EXPECT_EQ(KeyDefault(4), kMark);
  EXPECT_EQ(KeyDefault(5), kMark);
}

void ExpectBlocksAsExplorersBut(const std::string& file, uint32_t changedId) {
  for (uint32_t block : startmenu::kXPStartMenuBlocks) {
    const auto before = resedit::ReadStringBlock(Explorer(), block);
    const auto after = resedit::ReadStringBlock(file, block);
    ASSERT_TRUE(before && after) << "block " << block;
    for (uint32_t i = 0; i < 16; ++i) {
      if ((block - 1) * 16 + i == changedId) continue;
      EXPECT_EQ((*before)[i], (*after)[i]) << "block " << block << " string " << i;
    }
  }
}

}  // namespace startmenu::test::xp
