// The Start Menu Manager as the user meets it: opened from the main window,
// edited through the text box, in place and by dragging with the pointer,
// written with OK or Apply, restored; checked in the written copy as Windows
// reads its menu. The robot acts on a second thread while this one runs the
// windows. Paths that differ between versions run on each version that has
// them; the others once.

#include <gtest/gtest.h>

#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <initializer_list>

#include "app/MainWindow.h"
#include "deploy/Activation.h"
#include "deploy/Restart.h"
#include "deploy/ShellLocation.h"
#include "deploy/XPStartMenuKeys.h"
#include "resedit/ResourceReader.h"
#include "startmenu/StartMenuWindow_win.h"
#include "startmenu/VerticalLogo.h"
#include "startmenu/VerticalLogoPreview_win.h"
#include "tests/robot/Robot.h"
#include "tests/wine/WinePaths.h"
#include "tests/wine/app/ShownMainWindow.h"
#include "tests/wine/deploy/DeployTestSupport.h"
#include "tests/wine/startbutton/StartButtonTestSupport.h"
#include "tests/wine/startmenu/ManagerWindowSupport.h"
#include "tests/wine/startmenu/MenuAsWindowsReadsIt.h"
#include "ui/StandardControls.h"
#include "win/ProgramIdentity.h"
#include "win/RegistryAccessor.h"
#include "win/SystemFacts.h"

namespace {

using Lines = std::vector<std::string>;
using startmenu::StartMenuWindow;

constexpr char kCaption[] = "Start Menu Manager";

std::string startedShell;
int reboots = 0;

bool RecordShellStart(const std::string& path) {
  startedShell = path;
  return true;
}

bool RecordReboot() {
  ++reboots;
  return true;
}

std::string Explorer() {
  return win::GetWindowsDir() + "Explorer.exe";
}

std::string Copy(int n) {
  return win::GetWindowsDir() + "Xplorer" + std::to_string(n) + ".exe";
}

// The banner the window is told of: XP Professional and the first edition
// of 2000 are stored before the main window asks.
uint32_t Banner() {
  return deploy::test::IsXP() ? 167u : 157u;
}

std::vector<uint8_t> BannerOf(const std::string& file) {
  return resedit::ReadResourceData(file, startmenu::kBitmapResourceType, Banner())
      .value_or(std::vector<uint8_t>{});
}

bool RunsOn(std::initializer_list<const char*> versions) {
  for (const char* version : versions) {
    if (deploy::test::Version() == version) return true;
  }
  return false;
}

bool Has(const Lines& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The lines that follow `heading` (a sub-menu's line) one level deeper.
Lines SubMenu(const Lines& menu, const std::string& heading) {
  Lines items;
  auto at = std::find(menu.begin(), menu.end(), heading);
  if (at == menu.end()) return items;
  const size_t depth = heading.find_first_not_of(' ') + 2;
  for (++at; at != menu.end(); ++at) {
    const size_t indent = at->find_first_not_of(' ');
    if (indent < depth) break;
    if (indent == depth) items.push_back(at->substr(depth));
  }
  return items;
}

class StartMenuManager : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    // Stored editions: no chooser asks when the banner's id is worked out.
    win::RegOpenAccessor();
    win::RegSelectKey(HKEY_CURRENT_USER, win::ProgramRegistryKey);
    win::RegWriteInteger("XP Edition", 2);
    win::RegWriteInteger("2k Edition", 3);
    win::RegCloseAccessor();
    main_ = app::test::ShowMainWindow();
    ASSERT_NE(main_, nullptr);
  }

  void SetUp() override {
    startbutton::test::ResetShell();
    startedShell.clear();
    reboots = 0;
    deploy::SetShellStarter(RecordShellStart);
    deploy::SetRebootFunction(RecordReboot);
  }
  void TearDown() override {
    deploy::SetShellStarter(nullptr);
    deploy::SetRebootFunction(nullptr);
    startbutton::test::ResetShell();
  }

  static StartMenuWindow* Open() { return startmenu::test::OpenClassicManager(*main_); }
  static HWND Control(ui::Form& form, const char* name) {
    return form.Get<ui::Control>(name).Hwnd();
  }
  static HWND Tree(StartMenuWindow& mgr) { return Control(mgr, "SMTree"); }
  static bool Select(StartMenuWindow& mgr, const std::vector<std::string>& path) {
    std::vector<std::string> full{"Start Menu"};
    full.insert(full.end(), path.begin(), path.end());
    return robot::SelectTreeItem(Tree(mgr), full);
  }
  static std::string Text(StartMenuWindow& mgr) { return robot::WindowText(Control(mgr, "tText")); }
  static bool Enabled(StartMenuWindow& mgr, const char* name) {
    return IsWindowEnabled(Control(mgr, name)) != FALSE;
  }
  static bool Choose(ui::ChoiceDialog& dialog, const char* className, const char* option,
                     const char* button) {
    if (!robot::WaitForWindow(className, kCaption)) return false;
    const HWND radio = Control(dialog, option);
    robot::Click(radio);
    robot::WaitUntil([&] { return SendMessageA(radio, BM_GETCHECK, 0, 0) == BST_CHECKED; });
    robot::Click(Control(dialog, button));
    return robot::WaitUntilGone(dialog.Hwnd());
  }
  // OK, restart chosen, "Restart now?" answered No: the window closes.
  static std::string OkWithRestartNo(StartMenuWindow& mgr) {
    robot::Click(Control(mgr, "bOK"));
    if (!Choose(mgr.ApplyChoice(), "TfDialog1", "oRestart", "bOK")) return "<no TfDialog1>";
    const std::string box = robot::AnswerNextMessageBox(IDNO);
    robot::WaitUntilGone(mgr.Hwnd());
    return box;
  }
  static bool ApplyNow(StartMenuWindow& mgr) {
    robot::Click(Control(mgr, "bApply"));
    return robot::WaitUntil([&] { return !Enabled(mgr, "bApply"); });
  }
  static void Cancel(StartMenuWindow& mgr) {
    robot::Click(Control(mgr, "bCancel"));
    robot::WaitUntilGone(mgr.Hwnd());
  }
  // Starts the in-place editor on the selected item and returns its edit box.
  static HWND EditSelectedInPlace(StartMenuWindow& mgr) {
    HWND tree = Tree(mgr);
    DWORD_PTR result = 0;
    HTREEITEM item = TreeView_GetSelection(tree);
    SendMessageTimeoutA(tree, TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(item), SMTO_NORMAL, 10000,
                        &result);
    return InPlaceEditor(mgr);
  }
  static HWND InPlaceEditor(StartMenuWindow& mgr) {
    HWND editor = nullptr;
    robot::WaitUntil([&] {
      editor = TreeView_GetEditControl(Tree(mgr));
      return editor != nullptr && IsWindowVisible(editor);
    });
    return editor;
  }
  static bool EndInPlaceEdit(StartMenuWindow& mgr, HWND editor) {
    robot::PressKey(editor, VK_RETURN);
    return robot::WaitUntil([&] { return TreeView_GetEditControl(Tree(mgr)) == nullptr; });
  }
  static POINT Centre(const RECT& r) {
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }

  static app::MainWindow* main_;
};

app::MainWindow* StartMenuManager::main_ = nullptr;

TEST_F(StartMenuManager, OkWithRestartWritesTheRenamedItemAndPointsTheShellAtIt) {
  std::string shownAfterLoad, box, shownOnRoot;
  bool applyAfterLoad = true, applyAfterTyping = false, groupOnRoot = true, closed = false;
  robot::RunBeside([&] {
    StartMenuWindow* mgr = Open();
    if (mgr == nullptr) return;
    shownAfterLoad = Text(*mgr);
    applyAfterLoad = Enabled(*mgr, "bApply");
    Select(*mgr, {});
    shownOnRoot = Text(*mgr);
    groupOnRoot = Enabled(*mgr, "tText") || Enabled(*mgr, "bRemove");
    Select(*mgr, {"&Run..."});
    robot::SelectAllAndType(Control(*mgr, "tText"), "Launch");
    applyAfterTyping = Enabled(*mgr, "bApply");
    box = OkWithRestartNo(*mgr);
    closed = !IsWindowVisible(mgr->Hwnd());
  });
  EXPECT_EQ(shownAfterLoad, "Select an item to customise");
  EXPECT_EQ(shownOnRoot, "Select an item to customise");
  EXPECT_FALSE(groupOnRoot) << "the item group is enabled with the root selected";
  EXPECT_FALSE(applyAfterLoad) << "the window's own filling enabled Apply";
  EXPECT_TRUE(applyAfterTyping);
  EXPECT_EQ(box, std::string(kCaption) +
                     "|Changes will take effect after you restart your computer.\r\n\r\nRestart "
                     "now?");
  EXPECT_TRUE(closed);
  EXPECT_EQ(reboots, 0);
  EXPECT_EQ(deploy::test::ShellSetting(), Copy(1));
  Lines expected = startmenu::test::MenuAsWindowsReadsIt(Explorer());
  std::replace(expected.begin(), expected.end(), std::string("&Run... #401"),
               std::string("Launch #401"));
  EXPECT_EQ(startmenu::test::MenuAsWindowsReadsIt(Copy(1)), expected);
  if (deploy::test::IsXP()) {
    for (const auto& key : deploy::kXPStartMenuKeys) {
      EXPECT_EQ(deploy::test::RegistryString(HKEY_CLASSES_ROOT, key.path, "LocalizedString"),
                deploy::ShellStringReference("Xplorer1.exe", key.localizedStringId))
          << key.path;
    }
  }
}

TEST_F(StartMenuManager, ApplyRestartsTheShellAndKeepsTheWindowOpen) {
  if (!RunsOn({"win98", "win2k"})) GTEST_SKIP() << "once per family";
  deploy::test::StandInShell shell;
  ASSERT_TRUE(shell.Running());
  bool applied = false, stillOpen = false;
  robot::RunBeside([&] {
    StartMenuWindow* mgr = Open();
    if (mgr == nullptr) return;
    Select(*mgr, {"Disconn&ect..."});
    robot::SelectAllAndType(Control(*mgr, "tText"), "Now");
    applied = ApplyNow(*mgr);
    stillOpen = IsWindowVisible(mgr->Hwnd()) != FALSE;
    Cancel(*mgr);
  });
  EXPECT_TRUE(shell.Ended()) << "the shell's loop did not end";
  EXPECT_TRUE(applied);
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(startedShell, Copy(1));
  EXPECT_EQ(deploy::test::ShellSetting(), Copy(1));
  EXPECT_TRUE(Has(startmenu::test::TopLevelTexts(Copy(1)), "Now"));
}

TEST_F(StartMenuManager, InPlaceEditingRenamesItemsButNeverTheRoot) {
  if (!RunsOn({"winxp"})) GTEST_SKIP() << "the same on every version";
  std::string rootLabel, shownAfterEdit, itemLabel, removeWhileEditing;
  bool applyAfterRoot = true, applyAfterItem = false, stillThere = false;
  robot::RunBeside([&] {
    StartMenuWindow* mgr = Open();
    if (mgr == nullptr) return;
    Select(*mgr, {});
    HWND editor = EditSelectedInPlace(*mgr);
    if (editor == nullptr) return;
    robot::SelectAllAndType(editor, "My Menu");
    EndInPlaceEdit(*mgr, editor);
    rootLabel = robot::SelectedTreeItemText(Tree(*mgr));
    applyAfterRoot = Enabled(*mgr, "bApply");

    Select(*mgr, {"&Help and Support"});
    editor = EditSelectedInPlace(*mgr);
    if (editor == nullptr) return;
    robot::SelectAllAndType(editor, "XAssistance");
    // The Delete key in the editor deletes a character, not the item.
    robot::PressKey(editor, VK_HOME);
    robot::PressKey(editor, VK_DELETE);
    robot::PumpMessages(100);
    stillThere = TreeView_GetEditControl(Tree(*mgr)) == editor;
    EndInPlaceEdit(*mgr, editor);
    itemLabel = robot::SelectedTreeItemText(Tree(*mgr));
    shownAfterEdit = Text(*mgr);
    applyAfterItem = Enabled(*mgr, "bApply");
    ApplyNow(*mgr);
    Cancel(*mgr);
  });
  EXPECT_EQ(rootLabel, "Start Menu");
  EXPECT_FALSE(applyAfterRoot) << "renaming the root changed something";
  EXPECT_TRUE(stillThere) << "Delete ended the editor";
  EXPECT_EQ(itemLabel, "Assistance");
  EXPECT_EQ(shownAfterEdit, "Assistance");
  EXPECT_TRUE(applyAfterItem);
  const Lines menu = startmenu::test::MenuAsWindowsReadsIt(Copy(1));
  EXPECT_TRUE(Has(menu, "Assistance #503"));
  EXPECT_FALSE(Has(menu, "&Help and Support #503"));
}

TEST_F(StartMenuManager, SeparatorOnAnItemWithChildrenIsAskedFirst) {
  if (!RunsOn({"winxp"})) GTEST_SKIP() << "the same on every version";
  std::string declined, accepted, shownAfterYes;
  bool checkedAfterNo = true, applyAfterNo = false, childrenAfterNo = false;
  robot::RunBeside([&] {
    StartMenuWindow* mgr = Open();
    if (mgr == nullptr) return;
    Select(*mgr, {"&Settings"});
    robot::Click(Control(*mgr, "cSeparator"));
    declined = robot::AnswerNextMessageBox(IDNO);
    robot::PumpMessages(100);
    checkedAfterNo = SendMessageA(Control(*mgr, "cSeparator"), BM_GETCHECK, 0, 0) == BST_CHECKED;
    applyAfterNo = Enabled(*mgr, "bApply");
    childrenAfterNo = TreeView_GetChild(Tree(*mgr), TreeView_GetSelection(Tree(*mgr))) != nullptr;
    Select(*mgr, {"Sear&ch"});
    robot::Click(Control(*mgr, "cSeparator"));
    accepted = robot::AnswerNextMessageBox(IDYES);
    robot::WaitUntil([&] { return Text(*mgr).empty(); });
    shownAfterYes = Text(*mgr);
    ApplyNow(*mgr);
    Cancel(*mgr);
  });
  EXPECT_EQ(declined, std::string(kCaption) +
                          "|The item '&Settings' has children.\r\nMaking this item a separator "
                          "will delete all its children.\r\n\r\nContinue?");
  EXPECT_FALSE(checkedAfterNo);
  EXPECT_TRUE(applyAfterNo);
  EXPECT_TRUE(childrenAfterNo);
  EXPECT_EQ(accepted, std::string(kCaption) +
                          "|The item 'Sear&ch' has children.\r\nMaking this item a separator "
                          "will delete all its children.\r\n\r\nContinue?");
  EXPECT_EQ(shownAfterYes, "");
  const Lines top = startmenu::test::TopLevelTexts(Copy(1));
  EXPECT_EQ(top, (Lines{"&Programs", "F&avorites", "&Documents", "&Settings", "----",
                        "&Help and Support", "&Run...", "----", "&Log Off %s...", "Disconn&ect...",
                        "Undock Comput&er", "Sh&ut Down..."}));
  const Lines menu = startmenu::test::MenuAsWindowsReadsIt(Copy(1));
  EXPECT_FALSE(Has(menu, "  For &Files or Folders... #41061"));
  EXPECT_EQ(SubMenu(menu, "&Settings >").size(), 5u);
}

TEST_F(StartMenuManager, RemoveRefusesTheRootAndOnlyChildrenAndTakesTheRest) {
  if (!RunsOn({"winxp"})) GTEST_SKIP() << "the same on every version";
  std::string root, onlyChild;
  bool applyAfterRefusals = true;
  robot::RunBeside([&] {
    StartMenuWindow* mgr = Open();
    if (mgr == nullptr) return;
    Select(*mgr, {});
    robot::PressKey(Tree(*mgr), VK_DELETE);
    root = robot::AnswerNextMessageBox(IDOK);
    Select(*mgr, {"F&avorites", "(Empty)"});
    robot::Click(Control(*mgr, "bRemove"));
    onlyChild = robot::AnswerNextMessageBox(IDOK);
    applyAfterRefusals = Enabled(*mgr, "bApply");
    Select(*mgr, {"Undock Comput&er"});
    robot::PressKey(Tree(*mgr), VK_DELETE);
    Select(*mgr, {"Sear&ch", "For &People..."});
    robot::Click(Control(*mgr, "bRemove"));
    robot::WaitUntil([&] { return Enabled(*mgr, "bApply"); });
    ApplyNow(*mgr);
    Cancel(*mgr);
  });
  EXPECT_EQ(root, std::string(kCaption) + "|This item cannot be removed.");
  EXPECT_EQ(onlyChild, std::string(kCaption) +
                           "|Cannot remove item. '(Empty)' is the only child of 'F&avorites'and "
                           "cannot be removed.");
  EXPECT_FALSE(applyAfterRefusals);
  const Lines menu = startmenu::test::MenuAsWindowsReadsIt(Copy(1));
  EXPECT_FALSE(Has(menu, "Undock Comput&er #410"));
  EXPECT_TRUE(Has(menu, "  (Empty) #65535"));
  // The item now at the end of the sub-menu is its last one, as Windows reads it.
  EXPECT_EQ(SubMenu(menu, "Sear&ch >"),
            (Lines{"For &Files or Folders... #41061", "For &Computers... #41062",
                   "On the &Internet... #41063"}));
}

TEST_F(StartMenuManager, AddedItemIsEditedInPlaceAndWrittenAboveTheSelection) {
  if (!RunsOn({"winxp"})) GTEST_SKIP() << "the same on every version";
  std::string labelBeforeTyping, shown;
  robot::RunBeside([&] {
    StartMenuWindow* mgr = Open();
    if (mgr == nullptr) return;
    Select(*mgr, {"&Run..."});
    robot::Click(Control(*mgr, "bAdd"));
    HWND editor = InPlaceEditor(*mgr);
    if (editor == nullptr) return;
    labelBeforeTyping = robot::WindowText(editor);
    robot::SelectAllAndType(editor, "Added");
    EndInPlaceEdit(*mgr, editor);
    shown = Text(*mgr);
    ApplyNow(*mgr);
    Cancel(*mgr);
  });
  EXPECT_EQ(labelBeforeTyping, "New Item");
  EXPECT_EQ(shown, "Added");
  const Lines top = startmenu::test::TopLevelTexts(Copy(1));
  const auto added = std::find(top.begin(), top.end(), "Added");
  ASSERT_NE(added, top.end());
  ASSERT_NE(added + 1, top.end());
  EXPECT_EQ(*(added + 1), "&Run...");
  EXPECT_TRUE(Has(startmenu::test::MenuAsWindowsReadsIt(Copy(1)), "Added #65535"));
}

TEST_F(StartMenuManager, DraggingWithThePointerReordersOnlyWithinASubMenu) {
  if (!RunsOn({"winxp", "win2k"})) GTEST_SKIP() << "dragging runs on two versions";
  std::string refused;
  bool dragged = false, applyAfterRefusal = true, applyAfterMove = false;
  robot::RunBeside([&] {
    StartMenuWindow* mgr = Open();
    if (mgr == nullptr) return;
    HWND tree = Tree(*mgr);
    // Across sub-menus: Control Panel (in Settings) onto Favorites.
    const RECT panel = startmenu::test::TreeItemRect(tree, "Start Menu/&Settings/&Control Panel");
    const RECT favourites = startmenu::test::TreeItemRect(tree, "Start Menu/F&avorites");
    robot::PointerDrag(tree, Centre(panel), Centre(favourites));
    refused = robot::AnswerNextMessageBox(IDOK);
    applyAfterRefusal = Enabled(*mgr, "bApply");
    // Within Settings: Printers onto Control Panel puts it above.
    const RECT printers = startmenu::test::TreeItemRect(tree, "Start Menu/&Settings/&Printers and Faxes");
    dragged = robot::PointerDrag(tree, Centre(printers), Centre(panel));
    applyAfterMove = robot::WaitUntil([&] { return Enabled(*mgr, "bApply"); }, 3000);
    ApplyNow(*mgr);
    Cancel(*mgr);
  });
  EXPECT_EQ(refused, std::string(kCaption) +
                         "|You can only reorder items in the same sub-menu. This means that\r\n"
                         "you cannot move the item '&Control Panel' outside of\r\nthe sub-menu "
                         "'&Settings'.");
  EXPECT_FALSE(applyAfterRefusal);
  EXPECT_TRUE(dragged);
  EXPECT_TRUE(applyAfterMove);
  const Lines menu = startmenu::test::MenuAsWindowsReadsIt(Copy(1));
  EXPECT_EQ(SubMenu(menu, "&Settings >"),
            (Lines{"&Printers and Faxes #510", "&Control Panel #505",
                   "&Network and Dial-up Connections #511", "---- (separator)",
                   "&Taskbar and Start Menu... #413"}));
  EXPECT_EQ(startmenu::test::TopLevelTexts(Copy(1)), startmenu::test::TopLevelTexts(Explorer()));
}

TEST_F(StartMenuManager, VerticalLogoIsChangedPreviewedAndRestored) {
  if (!RunsOn({"winxp", "win98"})) GTEST_SKIP() << "a 24-bit and a 4-bit banner";
  const std::string picture = win::GetTempDir() + "banner.bmp";
  ASSERT_TRUE(startbutton::test::WriteBytes(picture, startbutton::test::BitmapFile(21, 300, 9)));
  std::string dialog = "not run", changed, restored;
  SIZE previewOfNew{}, previewOfCurrent{};
  std::vector<uint8_t> picked;
  robot::RunBeside([&] {
    StartMenuWindow* mgr = Open();
    if (mgr == nullptr) return;
    robot::Click(Control(*mgr, "bVLChange"));
    dialog = robot::ChooseFileInDialog("Open Picture File", picture);
    changed = robot::AnswerNextMessageBox(IDOK);
    picked = startbutton::test::ReadBytes(win::GetTempDir() + "tmpbmp.bmp");
    auto preview = [&](const char* button) {
      robot::Click(Control(*mgr, button));
      SIZE size{};
      if (!robot::WaitForWindow("TfDialog6", "Start Menu Vertical Logo")) return size;
      RECT client{};
      GetClientRect(mgr->LogoPreview().Hwnd(), &client);
      size = SIZE{client.right, client.bottom};
      robot::Click(Control(mgr->LogoPreview(), "bClose"));
      robot::WaitUntilGone(mgr->LogoPreview().Hwnd());
      return size;
    };
    previewOfNew = preview("bVLPreview");
    ApplyNow(*mgr);
    robot::Click(Control(*mgr, "bVLRestore"));
    restored = robot::AnswerNextMessageBox(IDOK);
    // The flat button over the picture previews too: Xplorer1's banner.
    previewOfCurrent = preview("sp");
    ApplyNow(*mgr);
    Cancel(*mgr);
  });
  EXPECT_EQ(dialog, "");
  EXPECT_EQ(changed, std::string(kCaption) +
                         "|The Start Menu vertical logo will be changed when you\r\nclick OK or "
                         "Apply.");
  EXPECT_EQ(restored, std::string(kCaption) +
                          "|The Start Menu vertical logo will now be restored\r\nwhen you click OK "
                          "or Apply.");
  // 218 wide at least; the picture's 300 rows under the heading.
  EXPECT_EQ(previewOfNew.cx, 218 + 14);
  EXPECT_EQ(previewOfNew.cy, startmenu::VerticalLogoPreview::kPictureTop + 300 + 7);
  EXPECT_EQ(previewOfCurrent.cx, 218 + 14);
  ASSERT_GT(picked.size(), 14u);
  EXPECT_EQ(BannerOf(Copy(1)), std::vector<uint8_t>(picked.begin() + 14, picked.end()));
  EXPECT_EQ(BannerOf(Copy(2)), BannerOf(Explorer()));
  DeleteFileA(picture.c_str());
}

TEST_F(StartMenuManager, MissingLogoFileIsToldAndTheMenuIsWrittenAllTheSame) {
  if (!RunsOn({"winxp"})) GTEST_SKIP() << "the same on every version";
  const std::string picture = win::GetTempDir() + "banner.bmp";
  ASSERT_TRUE(startbutton::test::WriteBytes(picture, startbutton::test::BitmapFile(21, 120, 3)));
  const std::string chosen = win::GetTempDir() + "tmpbmp.bmp";
  std::string missing, restart;
  robot::RunBeside([&] {
    StartMenuWindow* mgr = Open();
    if (mgr == nullptr) return;
    robot::Click(Control(*mgr, "bVLChange"));
    robot::ChooseFileInDialog("Open Picture File", picture);
    robot::AnswerNextMessageBox(IDOK);
    DeleteFileA(chosen.c_str());
    Select(*mgr, {"&Run..."});
    robot::SelectAllAndType(Control(*mgr, "tText"), "Go");
    robot::Click(Control(*mgr, "bOK"));
    if (!Choose(mgr->ApplyChoice(), "TfDialog1", "oRestart", "bOK")) return;
    missing = robot::AnswerNextMessageBox(IDOK);
    restart = robot::AnswerNextMessageBox(IDNO);
    robot::WaitUntilGone(mgr->Hwnd());
  });
  EXPECT_EQ(missing, std::string(kCaption) + "|File '" + chosen +
                         "'does not exist!\r\nCannot replace Start Menu vertical logo.");
  EXPECT_NE(restart.find("Restart now?"), std::string::npos) << restart;
  EXPECT_EQ(deploy::test::ShellSetting(), Copy(1));
  EXPECT_TRUE(Has(startmenu::test::TopLevelTexts(Copy(1)), "Go"));
  EXPECT_EQ(BannerOf(Copy(1)), BannerOf(Explorer()));
  DeleteFileA(picture.c_str());
}

TEST_F(StartMenuManager, PhysicalRestorePointsTheShellBackToExplorer) {
  if (!RunsOn({"win95", "win2k", "winxp"})) GTEST_SKIP() << "System.ini and Winlogon";
  std::string shown, box;
  robot::RunBeside([&] {
    StartMenuWindow* mgr = Open();
    if (mgr == nullptr) return;
    Select(*mgr, {"&Run..."});
    robot::SelectAllAndType(Control(*mgr, "tText"), "Changed");
    OkWithRestartNo(*mgr);
  });
  ASSERT_EQ(deploy::test::ShellSetting(), Copy(1));
  robot::RunBeside([&] {
    StartMenuWindow* mgr = Open();
    if (mgr == nullptr) return;
    Select(*mgr, {"Changed"});
    shown = Text(*mgr);
    robot::Click(Control(*mgr, "bRestore"));
    if (!Choose(mgr->RestoreChoice(), "TfDialog2", "oPhysical", "bOK")) return;
    box = robot::AnswerNextMessageBox(IDNO);
    robot::WaitUntilGone(mgr->Hwnd());
  });
  EXPECT_EQ(shown, "Changed") << "the window did not read the current shell";
  EXPECT_EQ(box, std::string(kCaption) +
                     "|The restoration will take effect after restarting your computer.\r\n\r\n"
                     "Restart now?");
  EXPECT_EQ(deploy::test::ShellSetting(), Explorer());
  EXPECT_EQ(reboots, 0);
  if (deploy::test::IsXP()) {
    for (const auto& key : deploy::kXPStartMenuKeys) {
      EXPECT_EQ(deploy::test::RegistryString(HKEY_CLASSES_ROOT, key.path, "LocalizedString"),
                deploy::ShellStringReference("Explorer.exe", key.localizedStringId))
          << key.path;
    }
  }
}

TEST_F(StartMenuManager, DynamicRestoreShowsWindowsMenuAndWritesItWithApply) {
  if (!RunsOn({"win98"})) GTEST_SKIP() << "the same on every version";
  robot::RunBeside([&] {
    StartMenuWindow* mgr = Open();
    if (mgr == nullptr) return;
    Select(*mgr, {"&Run..."});
    robot::SelectAllAndType(Control(*mgr, "tText"), "Mine");
    OkWithRestartNo(*mgr);
  });
  ASSERT_EQ(deploy::test::ShellSetting(), Copy(1));
  std::string box, selected;
  bool foundMine = true, applyEnabled = false;
  robot::RunBeside([&] {
    StartMenuWindow* mgr = Open();
    if (mgr == nullptr) return;
    robot::Click(Control(*mgr, "bRestore"));
    if (!Choose(mgr->RestoreChoice(), "TfDialog2", "oDynamic", "bOK")) return;
    box = robot::AnswerNextMessageBox(IDOK);
    selected = robot::SelectedTreeItemText(Tree(*mgr));
    foundMine = Select(*mgr, {"Mine"});
    applyEnabled = Enabled(*mgr, "bApply");
    ApplyNow(*mgr);
    Cancel(*mgr);
  });
  EXPECT_EQ(box, std::string(kCaption) + "|The Start Menu is now restored to the Windows default.");
  EXPECT_EQ(selected, "Start Menu");
  EXPECT_FALSE(foundMine);
  EXPECT_TRUE(applyEnabled);
  EXPECT_EQ(deploy::test::ShellSetting(), Copy(2));
  EXPECT_EQ(startmenu::test::MenuAsWindowsReadsIt(Copy(2)), startmenu::test::MenuAsWindowsReadsIt(Explorer()));
}

TEST_F(StartMenuManager, FailedWriteSwitchesNothingAndSaysWhatFailed) {
  if (!RunsOn({"win98"})) GTEST_SKIP() << "the same on every version";
  // The shell in use is a copy that vanishes while the window is open.
  const std::string shell = win::GetWindowsDir() + "Xplorer5.exe";
  ASSERT_TRUE(CopyFileA(Explorer().c_str(), shell.c_str(), FALSE));
  ASSERT_TRUE(deploy::ActivateShell(shell));
  std::string box;
  bool stillOpen = false, applyEnabled = false;
  robot::RunBeside([&] {
    StartMenuWindow* mgr = Open();
    if (mgr == nullptr) return;
    Select(*mgr, {"&Run..."});
    robot::SelectAllAndType(Control(*mgr, "tText"), "Lost");
    DeleteFileA(shell.c_str());
    robot::Click(Control(*mgr, "bApply"));
    box = robot::AnswerNextMessageBox(IDOK);
    stillOpen = IsWindowVisible(mgr->Hwnd()) != FALSE;
    applyEnabled = Enabled(*mgr, "bApply");
    Cancel(*mgr);
  });
  // Both files named: the copy that could not be written and its source.
  EXPECT_EQ(box.rfind(std::string(kCaption) + "|", 0), 0u) << box;
  EXPECT_NE(box.find(Copy(1)), std::string::npos) << box;
  EXPECT_NE(box.find(shell), std::string::npos) << box;
  EXPECT_TRUE(stillOpen);
  EXPECT_TRUE(applyEnabled) << "the edits were given up";
  EXPECT_TRUE(startedShell.empty()) << "a shell was started: " << startedShell;
  EXPECT_EQ(deploy::test::ShellSetting(), shell);
  EXPECT_FALSE(deploy::test::Exists(Copy(1)));
}

// The window and its dialogs as the screen shows them, saved for a look
// beside the descriptions of their controls.
TEST_F(StartMenuManager, ScreenshotsOfTheWindowAndItsDialogs) {
  if (!RunsOn({"winxp"})) GTEST_SKIP() << "looked at once";
  const std::string directory = winetest::BuildDirectory() + "screenshots";
  CreateDirectoryA(directory.c_str(), nullptr);
  std::vector<std::string> failed;
  auto save = [&](HWND hwnd, const char* name) {
    robot::PumpMessages(300);
    const robot::Capture capture = robot::CaptureWindow(hwnd);
    const std::string path = directory + "\\" + name + ".png";
    if (capture.empty() || !robot::SavePng(capture, path)) failed.push_back(path);
  };
  robot::RunBeside([&] {
    StartMenuWindow* mgr = Open();
    if (mgr == nullptr) return;
    Select(*mgr, {"&Settings", "&Control Panel"});
    save(mgr->Hwnd(), "startmenu-manager");
    robot::Click(Control(*mgr, "bOK"));
    if (robot::WaitForWindow("TfDialog1", kCaption))
      save(mgr->ApplyChoice().Hwnd(), "startmenu-apply-choice");
    robot::Click(Control(mgr->ApplyChoice(), "bCancel"));
    robot::WaitUntilGone(mgr->ApplyChoice().Hwnd());
    robot::Click(Control(*mgr, "bRestore"));
    if (robot::WaitForWindow("TfDialog2", kCaption))
      save(mgr->RestoreChoice().Hwnd(), "startmenu-restore-choice");
    robot::Click(Control(mgr->RestoreChoice(), "bCancel"));
    robot::WaitUntilGone(mgr->RestoreChoice().Hwnd());
    robot::Click(Control(*mgr, "bVLPreview"));
    if (robot::WaitForWindow("TfDialog6", "Start Menu Vertical Logo"))
      save(mgr->LogoPreview().Hwnd(), "startmenu-logo-preview");
    robot::Click(Control(mgr->LogoPreview(), "bClose"));
    robot::WaitUntilGone(mgr->LogoPreview().Hwnd());
    Cancel(*mgr);
  });
  EXPECT_TRUE(failed.empty()) << failed.size() << " pictures not saved, first "
                              << (failed.empty() ? "" : failed[0]);
  EXPECT_FALSE(deploy::test::Exists(Copy(1))) << "looking wrote a shell copy";
}

}  // namespace
