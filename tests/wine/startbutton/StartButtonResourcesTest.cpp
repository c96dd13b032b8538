// The Start button's resources written into a numbered shell copy: texts,
// the untouched strings, the XP picture, activation and failed writes.

#include <gtest/gtest.h>

#include <algorithm>

#include "deploy/ShellLocation.h"
#include "deploy/XPStartMenuKeys.h"
#include "resedit/ResourceReader.h"
#include "resedit/StringBlock.h"
#include "startbutton/StartButtonResources.h"
#include "tests/wine/WinePaths.h"
#include "tests/wine/deploy/DeployTestSupport.h"
#include "tests/wine/startbutton/StartButtonTestSupport.h"
#include "win/SystemFacts.h"

namespace startbutton::test {
namespace {

std::string Explorer() {
  return win::GetWindowsDir() + "Explorer.exe";
}

std::string Copy(int n) {
  return win::GetWindowsDir() + "Xplorer" + std::to_string(n) + ".exe";
}

StartButtonEdit LoadEdit(const std::string& file) {
  StartButtonEdit edit;
  edit.xp = deploy::test::IsXP();
  edit.tooltipTable = ReadStringTable(file, kTooltipTableSpec).value_or(StringTable{});
  edit.startTable = ReadStringTable(file, kStartTableSpec).value_or(StringTable{});
  if (edit.xp) edit.xpStartTable = ReadStringTable(file, kXPStartTableSpec).value_or(StringTable{});
  return edit;
}

void SetStart(StartButtonEdit& edit, const std::u16string& word) {
  ASSERT_TRUE(SetShownText(edit.startTable, word));
  if (edit.xp) {
    ASSERT_TRUE(SetShownText(edit.xpStartTable, word));
  }
}

// Every string of the block but the one at shownId equals the source's.
void ExpectOthersUnchanged(const std::string& source, const std::string& copy, uint32_t block,
                           uint32_t shownId) {
  const auto before = resedit::ReadStringBlock(source, block);
  const auto after = resedit::ReadStringBlock(copy, block);
  ASSERT_TRUE(before && after) << "block " << block;
  for (uint32_t i = 0; i < 16; ++i) {
    if ((block - 1) * 16 + i == shownId) continue;
    EXPECT_EQ((*before)[i], (*after)[i]) << "block " << block << " string " << i;
  }
}

class StartButtonResources : public testing::Test {
 protected:
  void SetUp() override { startbutton::test::ResetShell(); }
  void TearDown() override { startbutton::test::ResetShell(); }
};

TEST_F(StartButtonResources, TablesOfTheCurrentShellHoldItsTexts) {
  const StartButtonEdit edit = LoadEdit(deploy::CurrentShellPath);
  ASSERT_TRUE(edit.tooltipTable.loaded);
  ASSERT_TRUE(edit.startTable.loaded);
  EXPECT_EQ(edit.tooltipTable.shownPosition, 533 - 528 + 1);
  EXPECT_EQ(edit.startTable.shownPosition, 578 - 576 + 1);
  const struct {
    const StringTable& table;
    unsigned id;
  } rows[] = {{edit.tooltipTable, 533}, {edit.startTable, 578}, {edit.xpStartTable, 595}};
  for (const auto& row : rows) {
    if (row.id == 595 && !edit.xp) {
      EXPECT_FALSE(row.table.loaded) << "block 38 is read on XP only";
      continue;
    }
    const std::u16string shown = ShownText(row.table);
    EXPECT_EQ(std::string(shown.begin(), shown.end()),
              startbutton::test::LoadShellString(deploy::CurrentShellPath, row.id))
        << "id " << row.id;
  }
}

TEST_F(StartButtonResources, NewCopyHoldsTheNewTextsAndBecomesTheShell) {
  StartButtonEdit edit = LoadEdit(deploy::CurrentShellPath);
  SetStart(edit, u"Go");
  ASSERT_TRUE(SetShownText(edit.tooltipTable, u"Press to begin"));
  ASSERT_TRUE(WriteStartButtonResources(Copy(1), edit).outcome.ok);

  EXPECT_EQ(startbutton::test::LoadShellString(Copy(1), 578), "Go");
  EXPECT_EQ(startbutton::test::LoadShellString(Copy(1), 533), "Press to begin");
  EXPECT_EQ(startbutton::test::LoadShellString(Copy(1), 595),
            deploy::test::IsXP() ? "Go" : startbutton::test::LoadShellString(Explorer(), 595));
  ExpectOthersUnchanged(Explorer(), Copy(1), 34, 533);
  ExpectOthersUnchanged(Explorer(), Copy(1), 37, 578);
  ExpectOthersUnchanged(Explorer(), Copy(1), 38, deploy::test::IsXP() ? 595 : 0xFFFFFFFF);

  const std::string cli = winetest::BuildDirectory() + "cli\\quorlo-cli.exe";
  std::string listed =
      startbutton::test::RunAndCapture("\"" + cli + "\" strings \"" + Copy(1) + "\" 37");
  // The Windows C runtime writes "\r\n" line ends.
  listed.erase(std::remove(listed.begin(), listed.end(), '\r'), listed.end());
  EXPECT_NE(listed.find("578\tGo\n"), std::string::npos) << "quorlo-cli said:\n" << listed;

  EXPECT_EQ(deploy::test::ShellSetting(), Copy(1));
  EXPECT_EQ(deploy::CurrentShellPath, Copy(1));
  if (deploy::test::IsXP()) {
    for (const auto& key : deploy::kXPStartMenuKeys) {
      EXPECT_EQ(deploy::test::RegistryString(HKEY_CLASSES_ROOT, key.path, "LocalizedString"),
                deploy::ShellStringReference("Xplorer1.exe", key.localizedStringId))
          << key.path;
    }
  }
}

TEST_F(StartButtonResources, EmptyWordIsWrittenAsLengthZero) {
  StartButtonEdit edit = LoadEdit(deploy::CurrentShellPath);
  SetStart(edit, u"");
  ASSERT_TRUE(WriteStartButtonResources(Copy(1), edit).outcome.ok);
  const auto block = resedit::ReadStringBlock(Copy(1), 37);
  ASSERT_TRUE(block.has_value());
  EXPECT_TRUE((*block)[578 % 16].empty());
  ExpectOthersUnchanged(Explorer(), Copy(1), 37, 578);
}

TEST_F(StartButtonResources, SecondChangeStartsFromTheFirstCopy) {
  StartButtonEdit first = LoadEdit(deploy::CurrentShellPath);
  SetStart(first, u"Go");
  ASSERT_TRUE(WriteStartButtonResources(Copy(1), first).outcome.ok);

  const std::string second = deploy::MakeUniqueShellName(deploy::CurrentShellPath).path;
  ASSERT_EQ(second, Copy(2));
  StartButtonEdit edit = LoadEdit(deploy::CurrentShellPath);
  ASSERT_TRUE(SetShownText(edit.tooltipTable, u"Second tip"));
  ASSERT_TRUE(WriteStartButtonResources(second, edit).outcome.ok);
  EXPECT_EQ(startbutton::test::LoadShellString(second, 578), "Go");
  EXPECT_EQ(startbutton::test::LoadShellString(second, 533), "Second tip");
  EXPECT_EQ(deploy::test::ShellSetting(), second);
}

TEST_F(StartButtonResources, FailedWriteActivatesNothingAndSaysSo) {
  // The shell setting names a file that is no program.
  const std::string broken = win::GetWindowsDir() + "Xplorer5.exe";
  ASSERT_TRUE(startbutton::test::WriteBytes(broken, {'n', 'o', 't', ' ', 'P', 'E'}));
  StartButtonEdit edit = LoadEdit(Explorer());
  SetStart(edit, u"Go");
  deploy::CurrentShellPath = broken;
  const StartButtonWrite written = WriteStartButtonResources(Copy(1), edit);
  EXPECT_FALSE(written.outcome.ok);
  EXPECT_NE(written.outcome.message.find(Copy(1)), std::string::npos) << written.outcome.message;
  EXPECT_FALSE(deploy::test::Exists(Copy(1)));
  EXPECT_EQ(deploy::test::ShellSetting(), Explorer());
}

class XPPicture : public StartButtonResources {
 protected:
  void SetUp() override {
    if (!deploy::test::IsXP()) GTEST_SKIP() << "the picture belongs to Windows XP";
    StartButtonResources::SetUp();
  }
  std::vector<uint8_t> Bitmap143(const std::string& file) {
    return resedit::ReadResourceData(file, 2, kXPStartButtonBitmap)
        .value_or(std::vector<uint8_t>{});
  }
};

TEST_F(XPPicture, ChosenPictureReplacesBitmap143WithoutItsFileHeader) {
  const std::string picture = win::GetTempDir() + "button.bmp";
  const std::vector<uint8_t> file = startbutton::test::BitmapFile(25, 19, 99);
  ASSERT_TRUE(startbutton::test::WriteBytes(picture, file));
  StartButtonEdit edit = LoadEdit(deploy::CurrentShellPath);
  edit.icon = XPIconChange{true, false, picture};
  ASSERT_TRUE(WriteStartButtonResources(Copy(1), edit).outcome.ok);
  EXPECT_EQ(Bitmap143(Copy(1)), std::vector<uint8_t>(file.begin() + 14, file.end()));
  HMODULE module = LoadLibraryExA(Copy(1).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(143), MAKEINTRESOURCEA(2)), nullptr);
  FreeLibrary(module);

  // Restoring takes Windows' own picture back into the next copy.
  const std::string second = deploy::MakeUniqueShellName(deploy::CurrentShellPath).path;
  StartButtonEdit restore = LoadEdit(deploy::CurrentShellPath);
  restore.icon = XPIconChange{true, true, picture};
  ASSERT_TRUE(WriteStartButtonResources(second, restore).outcome.ok);
  EXPECT_EQ(Bitmap143(second), Bitmap143(Explorer()));
  EXPECT_NE(Bitmap143(Explorer()), Bitmap143(Copy(1)));
}

struct BadPictureCase {
  const char* name;
  std::vector<uint8_t> bytes;  // empty: no file at all
  const char* message;         // with %s for the path
};

class BadPicture : public XPPicture, public testing::WithParamInterface<BadPictureCase> {};

TEST_P(BadPicture, IsReportedAndTheStringsAreWrittenAllTheSame) {
  const std::string picture = win::GetTempDir() + "gone.bmp";
  DeleteFileA(picture.c_str());
  if (!GetParam().bytes.empty()) {
    ASSERT_TRUE(startbutton::test::WriteBytes(picture, GetParam().bytes));
  }
  StartButtonEdit edit = LoadEdit(deploy::CurrentShellPath);
  SetStart(edit, u"Go");
  edit.icon = XPIconChange{true, false, picture};
  const StartButtonWrite written = WriteStartButtonResources(Copy(1), edit);
  ASSERT_TRUE(written.outcome.ok) << written.outcome.message;
  char expected[512];
  std::snprintf(expected, sizeof expected, GetParam().message, picture.c_str());
  ASSERT_TRUE(written.pictureProblem.has_value());
  EXPECT_EQ(*written.pictureProblem, expected);
  EXPECT_EQ(startbutton::test::LoadShellString(Copy(1), 578), "Go");
  EXPECT_EQ(Bitmap143(Copy(1)), Bitmap143(Explorer()));
  EXPECT_EQ(deploy::test::ShellSetting(), Copy(1));
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadPicture,
    testing::Values(
        BadPictureCase{
            "Missing", {}, "File '%s'does not exist!\r\nCannot replace XP Start Button Icon."},
        BadPictureCase{"ShorterThanItsHeader",
                       {'B', 'M', 1, 2, 3},
                       "File '%s' could not be read as a bitmap.\r\nCannot replace XP Start "
                       "Button Icon."}),
    [](const testing::TestParamInfo<BadPictureCase>& info) {
      return std::string(info.param.name);
    });

}  // namespace
}  // namespace startbutton::test
