// The classic Start menu written into a numbered shell copy, checked by
// Windows itself: the menu after edits made through the model, the vertical
// logo, activation, a missing logo and a failed write.

#include <gtest/gtest.h>

#include <windows.h>

#include "deploy/ShellLocation.h"
#include "deploy/XPStartMenuKeys.h"
#include "resedit/ResourceReader.h"
#include "startmenu/StartMenuFiles.h"
#include "startmenu/StartMenuResources_win.h"
#include "startmenu/VerticalLogo.h"
#include "tests/wine/deploy/DeployTestSupport.h"
#include "tests/wine/startbutton/StartButtonTestSupport.h"
#include "tests/wine/startmenu/MenuAsWindowsReadsIt.h"
#include "win/SystemFacts.h"

namespace startmenu::test {
namespace {

using startmenu::NodeId;
using startmenu::StartMenuModel;
using Lines = std::vector<std::string>;

std::string Copy(int n) {
  return win::GetWindowsDir() + "Xplorer" + std::to_string(n) + ".exe";
}

// The banner bitmap of this machine's version (XP Professional, the other
// versions' first edition), as the window would be told it.
uint32_t Banner() {
  return deploy::test::IsXP() ? 167u : 157u;
}

std::vector<uint8_t> BannerOf(const std::string& file) {
  return resedit::ReadResourceData(file, startmenu::kBitmapResourceType, Banner())
      .value_or(std::vector<uint8_t>{});
}

// The item of the Start menu's own list whose text is `text`.
NodeId TopItem(const StartMenuModel& model, const std::u16string& text) {
  for (NodeId child : model.Node(model.Root()).children) {
    if (model.Node(child).label == text) return child;
  }
  ADD_FAILURE() << "no top-level item of that text";
  return startmenu::kNoNode;
}

class StartMenuResources : public testing::Test {
 protected:
  void SetUp() override {
    startbutton::test::ResetShell();
    const core::Outcome read = startmenu::ReadStartMenu(deploy::CurrentShellPath, model_);
    ASSERT_TRUE(read.ok) << read.message;
  }
  void TearDown() override { startbutton::test::ResetShell(); }

  startmenu::StartMenuWrite Write(const std::string& target,
                                  const startmenu::VerticalLogoChange& logo = {}) {
    return startmenu::WriteStartMenuResources(target, model_, logo, Banner());
  }

  void ExpectXPKeysName(const std::string& fileName) {
    if (!deploy::test::IsXP()) return;
    for (const auto& key : deploy::kXPStartMenuKeys) {
      EXPECT_EQ(deploy::test::RegistryString(HKEY_CLASSES_ROOT, key.path, "LocalizedString"),
                deploy::ShellStringReference(fileName, key.localizedStringId))
          << key.path;
      EXPECT_EQ(deploy::test::RegistryString(HKEY_CLASSES_ROOT, key.path, "InfoTip"),
                deploy::ShellStringReference(fileName, key.infoTipId))
          << key.path;
    }
  }

  StartMenuModel model_;
};

TEST_F(StartMenuResources, ModelHoldsTheMenuWindowsReadsFromTheShell) {
  EXPECT_EQ(startmenu::test::MenuOfTheModel(model_),
            startmenu::test::MenuAsWindowsReadsIt(deploy::CurrentShellPath));
}

TEST_F(StartMenuResources, UnchangedMenuIsWrittenAsWindowsReadItBefore) {
  const startmenu::StartMenuWrite written = Write(Copy(1));
  ASSERT_TRUE(written.outcome.ok) << written.outcome.message;
  EXPECT_FALSE(written.logoProblem.has_value());
  Lines before = startmenu::test::MenuAsWindowsReadsIt(win::GetWindowsDir() + "Explorer.exe");
  const Lines after = startmenu::test::MenuAsWindowsReadsIt(Copy(1));
  EXPECT_EQ(after, before);
  EXPECT_EQ(BannerOf(Copy(1)), BannerOf(win::GetWindowsDir() + "Explorer.exe"));
}

TEST_F(StartMenuResources, EditsMadeThroughTheModelAreWhatWindowsReads) {
  const NodeId run = TopItem(model_, u"&Run...");
  ASSERT_TRUE(model_.RenameItem(run, u"&Launch...").Done());
  // A popup with children becomes a separator: its whole sub-menu goes.
  ASSERT_TRUE(model_.SetSeparator(TopItem(model_, u"Sear&ch"), true).Done());
  ASSERT_TRUE(model_.RemoveItem(TopItem(model_, u"&Help and Support")).Done());
  const NodeId added = model_.AddItem(TopItem(model_, u"&Documents")).node;
  ASSERT_TRUE(model_.RenameItem(added, u"Added").Done());
  // The last item moves up: the one now at the end takes the last flag.
  ASSERT_TRUE(
      model_.MoveItem(TopItem(model_, u"Sh&ut Down..."), TopItem(model_, u"&Programs")).Done());
  // Within a sub-menu: Settings' last item before its first.
  const NodeId settings = TopItem(model_, u"&Settings");
  const std::vector<NodeId> settingsItems = model_.Node(settings).children;
  ASSERT_TRUE(model_.MoveItem(settingsItems.back(), settingsItems.front()).Done());

  const startmenu::StartMenuWrite written = Write(Copy(1));
  ASSERT_TRUE(written.outcome.ok) << written.outcome.message;

  EXPECT_EQ(
      startmenu::test::TopLevelTexts(Copy(1)),
      (Lines{"Sh&ut Down...", "&Programs", "F&avorites", "Added", "&Documents", "&Settings", "----",
             "&Launch...", "----", "&Log Off %s...", "Disconn&ect...", "Undock Comput&er"}));
  const Lines menu = startmenu::test::MenuAsWindowsReadsIt(Copy(1));
  EXPECT_EQ(menu, startmenu::test::MenuOfTheModel(model_));
  // The new item has no command; the separator's sub-menu is gone.
  EXPECT_NE(std::find(menu.begin(), menu.end(), "Added #65535"), menu.end());
  EXPECT_EQ(std::find(menu.begin(), menu.end(), "  For &Files or Folders... #41061"), menu.end());
  const auto settingsLine = std::find(menu.begin(), menu.end(), "&Settings >");
  ASSERT_NE(settingsLine, menu.end());
  EXPECT_EQ(*(settingsLine + 1), "  &Taskbar and Start Menu... #413");
  EXPECT_EQ(*(settingsLine + 2), "  &Control Panel #505");
}

TEST_F(StartMenuResources, CopyBecomesTheShellAndTheXPTextsNameIt) {
  const deploy::UniqueName first = deploy::MakeUniqueShellName(deploy::CurrentShellPath);
  ASSERT_TRUE(first.found) << first.message;
  ASSERT_EQ(first.path, Copy(1));
  ASSERT_TRUE(Write(first.path).outcome.ok);
  EXPECT_EQ(deploy::test::ShellSetting(), Copy(1));
  EXPECT_EQ(deploy::CurrentShellPath, Copy(1));
  ExpectXPKeysName("Xplorer1.exe");

  // The next copy starts from this one.
  ASSERT_TRUE(model_.RenameItem(TopItem(model_, u"&Run..."), u"Second").Done());
  ASSERT_EQ(deploy::MakeUniqueShellName(deploy::CurrentShellPath).path, Copy(2));
  ASSERT_TRUE(Write(Copy(2)).outcome.ok);
  StartMenuModel reread;
  ASSERT_TRUE(startmenu::ReadStartMenu(deploy::CurrentShellPath, reread).ok);
  EXPECT_EQ(deploy::CurrentShellPath, Copy(2));
  EXPECT_EQ(startmenu::test::MenuOfTheModel(reread),
            startmenu::test::MenuAsWindowsReadsIt(Copy(2)));
  ExpectXPKeysName("Xplorer2.exe");

  // The physical restore gives Windows its own shell and texts back.
  ASSERT_TRUE(startmenu::RestoreWindowsShell().ok);
  EXPECT_EQ(deploy::test::ShellSetting(), win::GetWindowsDir() + "Explorer.exe");
  ExpectXPKeysName("Explorer.exe");
}

TEST_F(StartMenuResources, ChosenLogoIsTheCopysBannerWithoutItsFileHeader) {
  const std::string picture = win::GetTempDir() + "banner.bmp";
  const std::vector<uint8_t> file = startbutton::test::BitmapFile(21, 160, 77);
  ASSERT_TRUE(startbutton::test::WriteBytes(picture, file));
  ASSERT_TRUE(startmenu::CheckVerticalLogoFile(picture).ok);
  const startmenu::StartMenuWrite written = Write(Copy(1), {true, false, picture});
  ASSERT_TRUE(written.outcome.ok) << written.outcome.message;
  EXPECT_FALSE(written.logoProblem.has_value());
  EXPECT_EQ(BannerOf(Copy(1)), std::vector<uint8_t>(file.begin() + 14, file.end()));
  // Windows makes a bitmap of the size chosen from the copy's banner.
  HMODULE module = LoadLibraryExA(Copy(1).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  HBITMAP bitmap = LoadBitmapA(module, MAKEINTRESOURCEA(Banner()));
  ASSERT_NE(bitmap, nullptr);
  BITMAP shape{};
  GetObjectA(bitmap, sizeof shape, &shape);
  EXPECT_EQ(shape.bmWidth, 21);
  EXPECT_EQ(shape.bmHeight, 160);
  DeleteObject(bitmap);
  FreeLibrary(module);
  EXPECT_EQ(startmenu::test::MenuAsWindowsReadsIt(Copy(1)),
            startmenu::test::MenuOfTheModel(model_));

  // Restoring takes Windows' own banner into the next copy.
  ASSERT_TRUE(Write(Copy(2), {true, true, picture}).outcome.ok);
  EXPECT_EQ(BannerOf(Copy(2)), BannerOf(win::GetWindowsDir() + "Explorer.exe"));
  DeleteFileA(picture.c_str());
}

TEST_F(StartMenuResources, MissingLogoIsToldAndTheMenuIsWrittenAllTheSame) {
  const std::string picture = win::GetTempDir() + "gone.bmp";
  DeleteFileA(picture.c_str());
  ASSERT_TRUE(model_.RenameItem(TopItem(model_, u"&Run..."), u"Go").Done());
  const startmenu::StartMenuWrite written = Write(Copy(1), {true, false, picture});
  ASSERT_TRUE(written.outcome.ok) << written.outcome.message;
  ASSERT_TRUE(written.logoProblem.has_value());
  EXPECT_EQ(*written.logoProblem,
            "File '" + picture + "'does not exist!\r\nCannot replace Start Menu vertical logo.");
  const Lines top = startmenu::test::TopLevelTexts(Copy(1));
  EXPECT_NE(std::find(top.begin(), top.end(), "Go"), top.end());
  EXPECT_EQ(BannerOf(Copy(1)), BannerOf(win::GetWindowsDir() + "Explorer.exe"));
  EXPECT_EQ(deploy::test::ShellSetting(), Copy(1));
}

TEST_F(StartMenuResources, FailedWriteSwitchesNothingAndSaysWhatFailed) {
  if (deploy::test::IsXP()) {
    for (const auto& key : deploy::kXPStartMenuKeys) {
      deploy::test::SetRegistryString(HKEY_CLASSES_ROOT, key.path, "LocalizedString", "before");
    }
  }
  const std::string settingBefore = deploy::test::ShellSetting();
  // A directory stands where the copy is to go.
  ASSERT_TRUE(CreateDirectoryA(Copy(1).c_str(), nullptr));
  const startmenu::StartMenuWrite written = Write(Copy(1));
  RemoveDirectoryA(Copy(1).c_str());
  EXPECT_FALSE(written.outcome.ok);
  EXPECT_NE(written.outcome.message.find(Copy(1)), std::string::npos) << written.outcome.message;
  EXPECT_EQ(deploy::test::ShellSetting(), settingBefore);
  EXPECT_EQ(deploy::CurrentShellPath, win::GetWindowsDir() + "Explorer.exe");
  if (deploy::test::IsXP()) {
    for (const auto& key : deploy::kXPStartMenuKeys) {
      EXPECT_EQ(deploy::test::RegistryString(HKEY_CLASSES_ROOT, key.path, "LocalizedString"),
                "before")
          << key.path;
    }
  }
}

TEST(VerticalLogoFile, ThatIsNoStorableBitmapIsRefusedAtChange) {
  const std::string picture = win::GetTempDir() + "notabitmap.bmp";
  ASSERT_TRUE(startbutton::test::WriteBytes(picture, {'G', 'I', 'F', '8', '9', 'a', 0, 0}));
  const core::Outcome checked = startmenu::CheckVerticalLogoFile(picture);
  EXPECT_FALSE(checked.ok);
  EXPECT_EQ(checked.message, "Could not load new Start Menu vertical logo!");
  DeleteFileA(picture.c_str());
  EXPECT_FALSE(startmenu::CheckVerticalLogoFile(picture).ok) << "a missing file";
}

TEST(VerticalLogoDisplay, IsTheShellsBannerTurnedAsWindowsDrawsIt) {
  const std::string explorer = win::GetWindowsDir() + "Explorer.exe";
  const auto shown = startmenu::ReadVerticalLogoDisplayCopy(explorer, Banner());
  ASSERT_TRUE(shown.has_value());
  HMODULE module = LoadLibraryExA(explorer.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  HBITMAP banner = LoadBitmapA(module, MAKEINTRESOURCEA(Banner()));
  FreeLibrary(module);
  ASSERT_NE(banner, nullptr);
  BITMAP shape{};
  GetObjectA(banner, sizeof shape, &shape);
  // The display copy as Windows reads a bitmap file.
  const std::string file = win::GetTempDir() + "shown.bmp";
  ASSERT_TRUE(startbutton::test::WriteBytes(file, *shown));
  HBITMAP turned = HBITMAP(LoadImageA(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  ASSERT_NE(turned, nullptr);
  BITMAP turnedShape{};
  GetObjectA(turned, sizeof turnedShape, &turnedShape);
  EXPECT_EQ(turnedShape.bmWidth, shape.bmHeight);
  EXPECT_EQ(turnedShape.bmHeight, shape.bmWidth);
  // Pixel by pixel: (x, y) of the banner is (H - 1 - y, x) of the copy.
  HDC screen = GetDC(nullptr);
  HDC a = CreateCompatibleDC(screen);
  HDC b = CreateCompatibleDC(screen);
  HGDIOBJ oldA = SelectObject(a, banner);
  HGDIOBJ oldB = SelectObject(b, turned);
  int differ = 0;
  for (int y = 0; y < shape.bmHeight; y += 7) {
    for (int x = 0; x < shape.bmWidth; x += 3) {
      if (GetPixel(a, x, y) != GetPixel(b, shape.bmHeight - 1 - y, x)) ++differ;
    }
  }
  EXPECT_EQ(differ, 0);
  SelectObject(a, oldA);
  SelectObject(b, oldB);
  DeleteDC(a);
  DeleteDC(b);
  ReleaseDC(nullptr, screen);
  DeleteObject(banner);
  DeleteObject(turned);
  DeleteFileA(file.c_str());
}

}  // namespace
}  // namespace startmenu::test
