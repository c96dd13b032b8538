// The XP Start Menu Manager as the user meets it on Windows XP: the main
// window's Start Menu button, the chooser, the fixed tree of texts, typing,
// OK, Apply and both restores; the robot acts on a second thread while this
// one runs the windows.

#include <gtest/gtest.h>

#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <vector>

#include "app/Editions.h"
#include "app/MainWindow.h"
#include "deploy/ShellCopySteps.h"
#include "resedit/StringBlock.h"
#include "startmenu/StartMenuChooser_win.h"
#include "startmenu/StartMenuFiles.h"
#include "startmenu/XPStartMenuResources_win.h"
#include "startmenu/XPStartMenuWindow_win.h"
#include "tests/robot/Robot.h"
#include "tests/wine/app/ManagerRobot.h"
#include "tests/wine/deploy/DeployTestSupport.h"
#include "tests/wine/startbutton/StartButtonTestSupport.h"
#include "tests/wine/startmenu/XPStartMenuTestSupport.h"
#include "ui/StandardControls.h"
#include "win/ProgramIdentity.h"
#include "win/RegistryAccessor.h"
#include "win/SystemFacts.h"

namespace {

using robot::AnswerNextMessageBox;
using app::test::Choose;
using app::test::ControlOf;
using app::test::ControlText;
using app::test::Hidden;
using startmenu::XPStartMenuWindow;
using startmenu::test::xp::Copy;
using startmenu::test::xp::Explorer;

constexpr char kCaption[] = "Start Menu Manager";
constexpr char kPrompt[] = "Select an item to customise";

bool ReadOnly(HWND edit) {
  return (GetWindowLongA(edit, GWL_STYLE) & ES_READONLY) != 0;
}

// Xplorer1.exe as the shell in force, with one text changed, as an earlier
// OK would have left it.
void WriteCopyWithRunAs(const std::string& run) {
  startmenu::XPStartMenuTextsRead read = startmenu::LoadXPStartMenuStrings(Explorer());
  ASSERT_TRUE(read.Ok()) << read.refusal;
  ASSERT_TRUE(read.texts.SetLeafText(7023, std::u16string(run.begin(), run.end())));
  const core::Outcome written = startmenu::WriteXPStartMenuResources(Copy(1), read.texts);
  ASSERT_TRUE(written.ok) << written.message;
}

class XPStartMenuManager : public app::test::ManagerScenario {
 protected:
  void SetUp() override {
    ManagerScenario::SetUp();
    startmenu::test::xp::MarkFifthAndSixthKeys();
  }

  // Robot side: the main window's button, then the chooser's button.
  static startmenu::StartMenuChooser* AnswerChooser(const char* button) {
    robot::Click(main_->Get<ui::Control>("bSMmgr").Hwnd());
    if (!robot::WaitForWindow("TChooseSMmgr", "Windows XP Edition")) return nullptr;
    startmenu::StartMenuChooser* chooser = main_->StartMenuChooser();
    robot::Click(ControlOf(*chooser, button));
    return Hidden(*chooser) ? chooser : nullptr;
  }
  // Through the chooser to the XP manager, once it has read the shell.
  static XPStartMenuWindow* OpenManager() {
    if (!AnswerChooser("bXP")) return nullptr;
    if (!robot::WaitForWindow("TXPSMmgr", kCaption)) return nullptr;
    XPStartMenuWindow* mgr = main_->XPStartMenu();
    // Typing before the window has read the shell would be overwritten.
    if (!robot::WaitUntil([mgr] { return !mgr->Opening(); })) return nullptr;
    return mgr;
  }
  static bool Select(XPStartMenuWindow& mgr, std::vector<std::string> path) {
    return robot::SelectTreeItem(ControlOf(mgr, "XPSMTree"), path);
  }
  static void Cancel(XPStartMenuWindow& mgr) {
    robot::Click(ControlOf(mgr, "bCancel"));
    Hidden(mgr);
  }
  static bool ApplyEnabled(XPStartMenuWindow& mgr) {
    return IsWindowEnabled(ControlOf(mgr, "bApply")) != FALSE;
  }
};

// The chooser's two answers, each in one request of the main window's button.
struct ChooserCase {
  const char* button;
  int result;
  const char* opened;  // the manager that answer opens
  const char* never;   // the one it must not open in the same request
};

TEST_F(XPStartMenuManager, ChooserOpensTheChosenManagerOnly) {
  const ChooserCase cases[] = {
      {"bXP", 6, "TXPSMmgr", "TSMmgr"},
      {"bClassic", 7, "TSMmgr", "TXPSMmgr"},
  };
  // The classic manager asks for the edition (its banner bitmap) before it
  // opens; a stored one keeps the edition chooser away.
  win::RegOpenAccessor();
  win::RegSelectKey(HKEY_CURRENT_USER, win::ProgramRegistryKey);
  win::RegWriteInteger("XP Edition", win::kXPProfessionalEdition);
  win::RegCloseAccessor();
  for (const ChooserCase& c : cases) {
    SCOPED_TRACE(c.button);
    std::vector<std::string> texts;
    int result = 0;
    std::vector<std::string> opened;
    std::atomic<bool> requestEnded{false};
    robot::RobotThread robotThread([&] {
      const HWND chooser = robot::WaitForWindow("TChooseSMmgr", "Windows XP Edition");
      if (chooser != nullptr) {
        startmenu::StartMenuChooser& form = *main_->StartMenuChooser();
        for (const char* name : {"lCaption", "lText", "lQuestion", "bXP", "bClassic"})
          texts.push_back(ControlText(form, name));
        texts.push_back(form.Find("bClose") == nullptr ? "no Close" : "a Close");
        robot::Click(ControlOf(form, c.button));
      }
      // Until the request has ended, every manager that opens is noted and
      // closed; past the wait, whatever still stands is closed, so the
      // request ends and the case fails instead of hanging.
      const DWORD deadline = GetTickCount() + 30000;
      while (!requestEnded) {
        const bool late = GetTickCount() > deadline;
        for (const char* className : {"TChooseSMmgr", "TXPSMmgr", "TSMmgr", "TXPEdition"}) {
          const HWND window = FindWindowA(className, nullptr);
          if (window == nullptr || !IsWindowVisible(window)) continue;
          if (std::string(className) == "TChooseSMmgr" && !late) continue;
          opened.push_back(late ? std::string("late ") + className : className);
          PostMessageA(window, WM_CLOSE, 0, 0);
          robot::WaitUntil([window] { return !IsWindowVisible(window); });
        }
        Sleep(20);
      }
    });
    // The whole request runs on this thread: the chooser, then what it opens.
    main_->Get<ui::Control>("bSMmgr").Click();
    requestEnded = true;
    ASSERT_TRUE(robotThread.Join());
    result = main_->StartMenuChooser()->ModalResult();
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "Windows XP Start Menu Manager",
                         "In Windows XP there are two types of Start Menus, the new look Windows "
                         "XP Start Menu and the Classic Start Menu.",
                         "Which Start Menu would you like to customise?", "XP Start Menu",
                         "Classic Start Menu", "no Close"}));
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(std::count(opened.begin(), opened.end(), c.never), 0)
        << c.never << " opened in the same request";
    // The classic manager is not part of this program yet.
    if (std::string(c.opened) == "TXPSMmgr") {
      EXPECT_EQ(opened, std::vector<std::string>{c.opened});
    }
  }
  EXPECT_FALSE(deploy::test::Exists(Copy(1))) << "choosing wrote a shell copy";
}

TEST_F(XPStartMenuManager, TreeShowsEveryLeafsTextAndCategoriesCannotBeTyped) {
  std::string firstSelected, firstText, categoryText, afterTyping, title;
  bool firstReadOnly = false, categoryReadOnly = false, applyAfterTyping = true;
  bool applyAfterLoad = true, allExpanded = true;
  std::vector<std::string> shown, readOnlyLeaves, hints;
  robot::RunBeside([&] {
    XPStartMenuWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    title = ControlText(*mgr, "lCaption");
    applyAfterLoad = ApplyEnabled(*mgr);
    const HWND tree = ControlOf(*mgr, "XPSMTree");
    const HWND edit = ControlOf(*mgr, "textEdit");
    for (HTREEITEM item = TreeView_GetRoot(tree); item; item = TreeView_GetNextSibling(tree, item))
      allExpanded &= (TreeView_GetItemState(tree, item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
    firstSelected = robot::SelectedTreeItemText(tree);
    firstText = robot::WindowText(edit);
    firstReadOnly = ReadOnly(edit);
    std::string category;
    for (const startmenu::XPStartMenuNode& node : startmenu::kXPStartMenuTree) {
      if (node.IsCategory()) {
        category = node.label;
        continue;
      }
      Select(*mgr, {category, node.label});
      shown.push_back(robot::WindowText(edit));
      if (ReadOnly(edit)) readOnlyLeaves.push_back(node.label);
    }
    for (const char* name : {"XPSMTree", "textEdit", "bOK", "bCancel", "bRestore"}) {
      // Sent, not posted: the hint line has changed once the call returns.
      DWORD_PTR done = 0;
      SendMessageTimeoutA(ControlOf(*mgr, name), WM_MOUSEMOVE, 0, MAKELPARAM(4, 4), SMTO_NORMAL,
                          5000, &done);
      hints.push_back(ControlText(*mgr, "lHint"));
    }
    Select(*mgr, {"Start Menu hints"});
    categoryText = robot::WindowText(edit);
    categoryReadOnly = ReadOnly(edit);
    robot::Type(edit, "typed");
    afterTyping = robot::WindowText(edit);
    applyAfterTyping = ApplyEnabled(*mgr);
    Cancel(*mgr);
  });
  EXPECT_EQ(title, "Quorlo - Windows XP Start Menu Manager");
  EXPECT_FALSE(applyAfterLoad) << "the window's own filling enabled Apply";
  EXPECT_TRUE(allExpanded);
  EXPECT_EQ(firstSelected, "Start Menu items");
  EXPECT_EQ(firstText, kPrompt);
  EXPECT_TRUE(firstReadOnly);
  std::vector<std::string> expected;
  for (const startmenu::XPStartMenuNode& node : startmenu::kXPStartMenuTree) {
    if (!node.IsCategory())
      expected.push_back(startbutton::test::LoadShellString(Explorer(), node.id));
  }
  EXPECT_EQ(shown, expected);
  EXPECT_TRUE(readOnlyLeaves.empty()) << readOnlyLeaves.front() << " cannot be edited";
  EXPECT_EQ(hints, (std::vector<std::string>{"Select an item to customise.",
                                             "Customise the selected item by changing the text.",
                                             deploy::kShellCopyOkHint, deploy::kShellCopyCancelHint,
                                             deploy::kShellCopyRestoreHint}));
  EXPECT_EQ(categoryText, kPrompt);
  EXPECT_TRUE(categoryReadOnly);
  EXPECT_EQ(afterTyping, kPrompt);
  EXPECT_FALSE(applyAfterTyping);
}

TEST_F(XPStartMenuManager, OkWithRestartWritesRunIntoTheCopyAndTheKeys) {
  std::string box;
  bool applyAfterTyping = false, closed = false;
  robot::RunBeside([&] {
    XPStartMenuWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    Select(*mgr, {"Start Menu items", "Run..."});
    robot::SelectAllAndType(ControlOf(*mgr, "textEdit"), "&Launch...");
    applyAfterTyping = ApplyEnabled(*mgr);
    robot::Click(ControlOf(*mgr, "bOK"));
    if (!Choose(mgr->ApplyChoice(), "oRestart", "bOK")) return;
    box = AnswerNextMessageBox(IDNO);
    closed = Hidden(*mgr);
  });
  EXPECT_TRUE(applyAfterTyping);
  EXPECT_EQ(box, std::string(kCaption) +
                     "|Changes will take effect after you restart your computer.\r\n\r\nRestart "
                     "now?");
  EXPECT_TRUE(closed);
  EXPECT_EQ(reboots, 0);
  EXPECT_EQ(deploy::test::ShellSetting(), Copy(1));
  EXPECT_EQ(startbutton::test::LoadShellString(Copy(1), 7023), "&Launch...");
  startmenu::test::xp::ExpectBlocksAsExplorersBut(Copy(1), 7023);
  for (size_t key = 0; key < 3; ++key)
    EXPECT_EQ(startmenu::test::xp::KeyDefault(key),
              startbutton::test::LoadShellString(Explorer(), 7020 + key));
  EXPECT_EQ(startmenu::test::xp::KeyDefault(3), "&Launch...");
  startmenu::test::xp::ExpectFifthAndSixthKeysUntouched();
  startmenu::test::xp::ExpectKeysName("Xplorer1.exe");
}

TEST_F(XPStartMenuManager, ApplyRestartsTheShellAndKeepsTheWindowOpen) {
  deploy::test::StandInShell shell;
  ASSERT_TRUE(shell.Running());
  bool applyDisabled = false, stillOpen = false;
  robot::RunBeside([&] {
    XPStartMenuWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    Select(*mgr, {"Start Menu hints", "Run hint"});
    robot::SelectAllAndType(ControlOf(*mgr, "textEdit"), "Runs a program.");
    robot::Click(ControlOf(*mgr, "bApply"));
    applyDisabled = robot::WaitUntil([&] { return !ApplyEnabled(*mgr); });
    stillOpen = IsWindowVisible(mgr->Hwnd()) != FALSE;
    Cancel(*mgr);
  });
  EXPECT_TRUE(shell.Ended()) << "the shell's loop did not end";
  EXPECT_TRUE(applyDisabled);
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(startedShell, Copy(1));
  EXPECT_EQ(deploy::test::ShellSetting(), Copy(1));
  EXPECT_EQ(startbutton::test::LoadShellString(Copy(1), 7003), "Runs a program.");
  startmenu::test::xp::ExpectBlocksAsExplorersBut(Copy(1), 7003);
  startmenu::test::xp::ExpectKeysName("Xplorer1.exe");
}

TEST_F(XPStartMenuManager, PhysicalRestoreNamesExplorerAgain) {
  std::string shownRun, box;
  ASSERT_NO_FATAL_FAILURE(WriteCopyWithRunAs("&Launch..."));
  robot::RunBeside([&] {
    XPStartMenuWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    Select(*mgr, {"Start Menu items", "Run..."});
    shownRun = ControlText(*mgr, "textEdit");
    robot::Click(ControlOf(*mgr, "bRestore"));
    if (!Choose(mgr->RestoreChoice(), "oPhysical", "bOK")) return;
    box = AnswerNextMessageBox(IDNO);
    Hidden(*mgr);
  });
  EXPECT_EQ(shownRun, "&Launch...") << "the window did not read the shell in force";
  EXPECT_EQ(box, std::string(kCaption) +
                     "|The restoration will take effect after restarting your computer.\r\n\r\n"
                     "Restart now?");
  EXPECT_EQ(deploy::test::ShellSetting(), Explorer());
  startmenu::test::xp::ExpectKeysName("Explorer.exe");
  EXPECT_EQ(startmenu::test::xp::KeyDefault(3),
            startbutton::test::LoadShellString(Explorer(), 7023));
  startmenu::test::xp::ExpectFifthAndSixthKeysUntouched();
  EXPECT_EQ(reboots, 0);
}

TEST_F(XPStartMenuManager, DynamicRestoreShowsWindowsTextsAndWritesNothing) {
  std::string box, selected, shownAfter, runAfter;
  bool applyEnabled = false;
  ASSERT_NO_FATAL_FAILURE(WriteCopyWithRunAs("&Launch..."));
  robot::RunBeside([&] {
    XPStartMenuWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    Select(*mgr, {"Start Menu items", "Run..."});
    robot::Click(ControlOf(*mgr, "bRestore"));
    if (!Choose(mgr->RestoreChoice(), "oDynamic", "bOK")) return;
    box = AnswerNextMessageBox(IDOK);
    selected = robot::SelectedTreeItemText(ControlOf(*mgr, "XPSMTree"));
    shownAfter = ControlText(*mgr, "textEdit");
    Select(*mgr, {"Start Menu items", "Run..."});
    runAfter = ControlText(*mgr, "textEdit");
    applyEnabled = ApplyEnabled(*mgr);
    Cancel(*mgr);
  });
  EXPECT_EQ(box, std::string(kCaption) + "|The Start Menu is now restored to the Windows default.");
  EXPECT_EQ(selected, "Start Menu items");
  EXPECT_EQ(shownAfter, kPrompt);
  EXPECT_EQ(runAfter, startbutton::test::LoadShellString(Explorer(), 7023));
  EXPECT_TRUE(applyEnabled);
  EXPECT_EQ(deploy::test::ShellSetting(), Copy(1));
  EXPECT_FALSE(deploy::test::Exists(Copy(2)));
}

TEST_F(XPStartMenuManager, FailedWriteSwitchesNothingAndSaysWhy) {
  std::string box;
  bool stillOpen = false, applyEnabled = false;
  ASSERT_NO_FATAL_FAILURE(WriteCopyWithRunAs("&Launch..."));
  robot::RunBeside([&] {
    XPStartMenuWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    Select(*mgr, {"Notification messages", "Hiding message"});
    robot::SelectAllAndType(ControlOf(*mgr, "textEdit"), "Hidden.");
    // The shell in force is damaged after the window read it.
    startbutton::test::WriteBytes(Copy(1), {'M', 'Z', 0, 0});
    robot::Click(ControlOf(*mgr, "bApply"));
    box = AnswerNextMessageBox(IDOK);
    stillOpen = IsWindowVisible(mgr->Hwnd()) != FALSE;
    applyEnabled = ApplyEnabled(*mgr);
    Cancel(*mgr);
  });
  EXPECT_EQ(box.rfind(std::string(kCaption) + "|", 0), 0u) << box;
  EXPECT_NE(box.find(Copy(2)), std::string::npos) << box;
  EXPECT_TRUE(stillOpen);
  EXPECT_TRUE(applyEnabled);
  EXPECT_FALSE(deploy::test::Exists(Copy(2)));
  EXPECT_EQ(deploy::test::ShellSetting(), Copy(1));
  startmenu::test::xp::ExpectKeysName("Xplorer1.exe");
  EXPECT_EQ(startedShell, "");
}

// The manager and the chooser as the screen shows them, saved for a look
// beside the descriptions of their controls.
TEST_F(XPStartMenuManager, ScreenshotsOfTheManagerAndTheChooser) {
  app::test::ScreenshotSaver shots;
  robot::RunBeside([&] {
    robot::Click(main_->Get<ui::Control>("bSMmgr").Hwnd());
    if (HWND chooser = robot::WaitForWindow("TChooseSMmgr", "Windows XP Edition")) {
      shots.Save(chooser, "startmenu-chooser");
      robot::Click(ControlOf(*main_->StartMenuChooser(), "bXP"));
    }
    if (!robot::WaitForWindow("TXPSMmgr", kCaption)) return;
    XPStartMenuWindow* mgr = main_->XPStartMenu();
    robot::WaitUntil([mgr] { return !mgr->Opening(); });
    Select(*mgr, {"Start Menu hints", "My Documents hint"});
    shots.Save(mgr->Hwnd(), "xp-startmenu-manager");
    Cancel(*mgr);
  });
  EXPECT_TRUE(shots.Failed().empty()) << "not saved: " << shots.Failed().front();
}

}  // namespace
