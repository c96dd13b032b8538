// The Start Button Manager as the user meets it: opened from the main window,
// edited by typing, written with OK or Apply, restored; the robot acts on a
// second thread while this one runs the windows.

#include <gtest/gtest.h>

#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>

#include "app/MainWindow.h"
#include "deploy/Activation.h"
#include "deploy/ShellLocation.h"
#include "resedit/ResourceReader.h"
#include "resedit/StringBlock.h"
#include "startbutton/RightClickMenuWindow.h"
#include "startbutton/StartButtonWindow.h"
#include "tests/robot/Robot.h"
#include "tests/wine/app/ManagerRobot.h"
#include "tests/wine/deploy/DeployTestSupport.h"
#include "tests/wine/startbutton/StartButtonTestSupport.h"
#include "ui/StandardControls.h"
#include "win/SystemFacts.h"

namespace startbutton::test {
namespace {

using robot::AnswerNextMessageBox;
using app::test::Choose;
using app::test::ControlOf;
using app::test::ControlText;
using app::test::Hidden;

constexpr char kCaption[] = "Start Button Manager";

std::string Explorer() {
  return win::GetWindowsDir() + "Explorer.exe";
}

std::string Copy(int n) {
  return win::GetWindowsDir() + "Xplorer" + std::to_string(n) + ".exe";
}

class ManagerWindow : public app::test::ManagerScenario {
 protected:
  // Robot side: clicks the main window's button and waits for the manager.
  static startbutton::StartButtonWindow* OpenManager() {
    robot::Click(main_->Get<ui::Control>("bSBmgr").Hwnd());
    if (!robot::WaitForWindow("TSBmgr", kCaption)) return nullptr;
    startbutton::StartButtonWindow* mgr = main_->StartButton();
    // Typing before the window has read the shell would be overwritten.
    if (!robot::WaitUntil([mgr] { return !mgr->Opening(); })) return nullptr;
    return mgr;
  }
};

TEST_F(ManagerWindow, OkWithRestartWritesTheCopyAndAsksToRestart) {
  std::string startBefore, box;
  bool applyAfterLoad = true, applyAfterTyping = false, groupShown = false, closed = false;
  robot::RunBeside([&] {
    startbutton::StartButtonWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    startBefore = ControlText(*mgr, "tStart");
    applyAfterLoad = IsWindowEnabled(ControlOf(*mgr, "bApply"));
    groupShown = IsWindowVisible(ControlOf(*mgr, "BXPSBIcon"));
    robot::SelectAllAndType(ControlOf(*mgr, "tStart"), "Go");
    robot::SelectAllAndType(ControlOf(*mgr, "tTooltip"), "Press to begin");
    applyAfterTyping = IsWindowEnabled(ControlOf(*mgr, "bApply"));
    robot::Click(ControlOf(*mgr, "bOK"));
    if (!Choose(mgr->ApplyChoice(), "oRestart", "bOK")) return;
    box = AnswerNextMessageBox(IDNO);
    closed = Hidden(*mgr);
  });
  EXPECT_EQ(startBefore, "Start");
  EXPECT_FALSE(applyAfterLoad) << "the window's own filling enabled Apply";
  EXPECT_TRUE(applyAfterTyping);
  EXPECT_EQ(groupShown, deploy::test::IsXP());
  EXPECT_EQ(box, std::string(kCaption) +
                     "|Changes will take effect after you restart your computer.\r\n\r\nRestart "
                     "now?");
  EXPECT_TRUE(closed);
  EXPECT_EQ(reboots, 0);
  EXPECT_EQ(deploy::test::ShellSetting(), Copy(1));
  EXPECT_EQ(startbutton::test::LoadShellString(Copy(1), 578), "Go");
  EXPECT_EQ(startbutton::test::LoadShellString(Copy(1), 533), "Press to begin");
  EXPECT_EQ(startbutton::test::LoadShellString(Copy(1), 595),
            deploy::test::IsXP() ? "Go" : startbutton::test::LoadShellString(Explorer(), 595));
  for (uint32_t block : {34u, 37u, 38u}) {
    const auto before = resedit::ReadStringBlock(Explorer(), block);
    const auto after = resedit::ReadStringBlock(Copy(1), block);
    ASSERT_TRUE(before && after);
    for (uint32_t i = 0; i < 16; ++i) {
      const uint32_t id = (block - 1) * 16 + i;
      if (id == 533 || id == 578 || (id == 595 && deploy::test::IsXP())) continue;
      EXPECT_EQ((*before)[i], (*after)[i]) << "string " << id;
    }
  }
}

TEST_F(ManagerWindow, ApplyRestartsTheShellAndKeepsTheWindowOpen) {
  deploy::test::StandInShell shell;
  ASSERT_TRUE(shell.Running());
  bool applyDisabled = false, stillOpen = false;
  robot::RunBeside([&] {
    startbutton::StartButtonWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    robot::SelectAllAndType(ControlOf(*mgr, "tStart"), "Now");
    robot::Click(ControlOf(*mgr, "bApply"));
    applyDisabled = robot::WaitUntil([&] { return !IsWindowEnabled(ControlOf(*mgr, "bApply")); });
    stillOpen = IsWindowVisible(mgr->Hwnd());
    robot::Click(ControlOf(*mgr, "bCancel"));
    Hidden(*mgr);
  });
  EXPECT_TRUE(shell.Ended()) << "the shell's loop did not end";
  EXPECT_TRUE(applyDisabled);
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(startedShell, Copy(1));
  EXPECT_EQ(deploy::test::ShellSetting(), Copy(1));
  EXPECT_EQ(startbutton::test::LoadShellString(Copy(1), 578), "Now");
}

TEST_F(ManagerWindow, OkWithApplyInstantlyStartsTheNewShellAndCloses) {
  bool closed = false;
  robot::RunBeside([&] {
    startbutton::StartButtonWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    robot::SelectAllAndType(ControlOf(*mgr, "tTooltip"), "Instantly");
    robot::Click(ControlOf(*mgr, "bOK"));
    if (!Choose(mgr->ApplyChoice(), "oApply", "bOK")) return;
    closed = Hidden(*mgr);
  });
  EXPECT_TRUE(closed);
  EXPECT_EQ(startedShell, Copy(1));
  EXPECT_EQ(reboots, 0);
  EXPECT_EQ(startbutton::test::LoadShellString(Copy(1), 533), "Instantly");
}

TEST_F(ManagerWindow, CancelInTheChoiceWritesNothingAndKeepsApply) {
  bool applyEnabled = false;
  robot::RunBeside([&] {
    startbutton::StartButtonWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    robot::SelectAllAndType(ControlOf(*mgr, "tStart"), "Never");
    robot::Click(ControlOf(*mgr, "bOK"));
    if (!Choose(mgr->ApplyChoice(), "oRestart", "bCancel")) return;
    applyEnabled = IsWindowEnabled(ControlOf(*mgr, "bApply"));
    robot::Click(ControlOf(*mgr, "bCancel"));
    Hidden(*mgr);
  });
  EXPECT_TRUE(applyEnabled);
  EXPECT_FALSE(deploy::test::Exists(Copy(1)));
  EXPECT_EQ(deploy::test::ShellSetting(), Explorer());
}

TEST_F(ManagerWindow, SecondChangeCarriesTheFirst) {
  for (const char* tooltip : {"First", "Second"}) {
    robot::RunBeside([&] {
      startbutton::StartButtonWindow* mgr = OpenManager();
      if (mgr == nullptr) return;
      robot::SelectAllAndType(
          ControlOf(*mgr, std::string(tooltip) == "First" ? "tStart" : "tTooltip"), tooltip);
      robot::Click(ControlOf(*mgr, "bOK"));
      if (!Choose(mgr->ApplyChoice(), "oRestart", "bOK")) return;
      AnswerNextMessageBox(IDNO);
      Hidden(*mgr);
    });
  }
  EXPECT_EQ(deploy::test::ShellSetting(), Copy(2));
  EXPECT_EQ(startbutton::test::LoadShellString(Copy(2), 578), "First");
  EXPECT_EQ(startbutton::test::LoadShellString(Copy(2), 533), "Second");
}

TEST_F(ManagerWindow, PhysicalRestorePointsTheShellBackToExplorer) {
  deploy::ActivateShell(Explorer());
  std::string shownStart, box;
  // A changed shell first.
  robot::RunBeside([&] {
    startbutton::StartButtonWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    robot::SelectAllAndType(ControlOf(*mgr, "tStart"), "Changed");
    robot::Click(ControlOf(*mgr, "bOK"));
    if (!Choose(mgr->ApplyChoice(), "oRestart", "bOK")) return;
    AnswerNextMessageBox(IDNO);
    Hidden(*mgr);
  });
  ASSERT_EQ(deploy::test::ShellSetting(), Copy(1));
  robot::RunBeside([&] {
    startbutton::StartButtonWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    shownStart = ControlText(*mgr, "tStart");
    robot::Click(ControlOf(*mgr, "bRestore"));
    if (!Choose(mgr->RestoreChoice(), "oPhysical", "bOK")) return;
    box = AnswerNextMessageBox(IDNO);
    Hidden(*mgr);
  });
  EXPECT_EQ(shownStart, "Changed");
  EXPECT_EQ(box, std::string(kCaption) +
                     "|The restoration will take effect after restarting your computer.\r\n\r\n"
                     "Restart now?");
  EXPECT_EQ(deploy::test::ShellSetting(), Explorer());
  EXPECT_EQ(reboots, 0);
}

TEST_F(ManagerWindow, DynamicRestoreShowsTheDefaultsAndCancelLeavesTheShell) {
  robot::RunBeside([&] {
    startbutton::StartButtonWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    robot::SelectAllAndType(ControlOf(*mgr, "tStart"), "Mine");
    robot::Click(ControlOf(*mgr, "bOK"));
    if (!Choose(mgr->ApplyChoice(), "oRestart", "bOK")) return;
    AnswerNextMessageBox(IDNO);
    Hidden(*mgr);
  });
  ASSERT_EQ(deploy::test::ShellSetting(), Copy(1));
  std::string before, after, box;
  bool applyEnabled = false;
  robot::RunBeside([&] {
    startbutton::StartButtonWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    before = ControlText(*mgr, "tStart");
    robot::Click(ControlOf(*mgr, "bRestore"));
    if (!Choose(mgr->RestoreChoice(), "oDynamic", "bOK")) return;
    box = AnswerNextMessageBox(IDOK);
    after = ControlText(*mgr, "tStart");
    applyEnabled = IsWindowEnabled(ControlOf(*mgr, "bApply"));
    robot::Click(ControlOf(*mgr, "bCancel"));
    Hidden(*mgr);
  });
  EXPECT_EQ(before, "Mine");
  EXPECT_EQ(after, "Start");
  EXPECT_EQ(box,
            std::string(kCaption) + "|The Start Button is now restored to the Windows default.");
  EXPECT_TRUE(applyEnabled);
  EXPECT_EQ(deploy::test::ShellSetting(), Copy(1));
  EXPECT_FALSE(deploy::test::Exists(Copy(2)));
}

TEST_F(ManagerWindow, XPPictureIsChosenInThePictureDialogAndWritten) {
  if (!deploy::test::IsXP()) GTEST_SKIP() << "the picture belongs to Windows XP";
  const std::string picture = win::GetTempDir() + "start.bmp";
  ASSERT_TRUE(startbutton::test::WriteBytes(picture, startbutton::test::BitmapFile(25, 19, 7)));
  const std::string notPicture = win::GetTempDir() + "not.bmp";
  ASSERT_TRUE(startbutton::test::WriteBytes(notPicture, {'B', 'M', 0, 0}));
  std::string refusedDialog = "not run", refused, acceptedDialog = "not run", accepted;
  robot::RunBeside([&] {
    startbutton::StartButtonWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    robot::Click(ControlOf(*mgr, "XPSBChange"));
    refusedDialog = robot::ChooseFileInDialog("Open Picture File", notPicture);
    refused = AnswerNextMessageBox(IDOK);
    robot::Click(ControlOf(*mgr, "XPSBChange"));
    acceptedDialog = robot::ChooseFileInDialog("Open Picture File", picture);
    accepted = AnswerNextMessageBox(IDOK);
    robot::Click(ControlOf(*mgr, "bApply"));
    robot::WaitUntil([&] { return !IsWindowEnabled(ControlOf(*mgr, "bApply")); });
    robot::Click(ControlOf(*mgr, "bCancel"));
    Hidden(*mgr);
  });
  EXPECT_EQ(refusedDialog, "");
  EXPECT_EQ(refused, "Quorlo|Unrecognised picture file format.");
  EXPECT_EQ(acceptedDialog, "");
  EXPECT_EQ(accepted,
            std::string(kCaption) +
                "|The XP Start Button icon will be changed when you\r\nclick OK or Apply.");
  // The dialog hands over the picture as a bitmap file; the resource is
  // that file without its 14-byte file header.
  const std::vector<uint8_t> picked =
      startbutton::test::ReadBytes(win::GetTempDir() + "tmpbmp.bmp");
  ASSERT_GT(picked.size(), 14u);
  EXPECT_EQ(resedit::ReadResourceData(Copy(1), 2, 143),
            std::vector<uint8_t>(picked.begin() + 14, picked.end()));
}

// The four windows as the screen shows them, saved for a look beside the
// descriptions of their controls.
TEST_F(ManagerWindow, ScreenshotsOfTheWindowsAndChoiceDialogs) {
  app::test::ScreenshotSaver shots;
  robot::RunBeside([&] {
    startbutton::StartButtonWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    shots.Save(mgr->Hwnd(), "startbutton-manager");
    robot::Click(ControlOf(*mgr, "bOK"));
    if (robot::WaitForWindow("TfDialog3", kCaption))
      shots.Save(mgr->ApplyChoice().Hwnd(), "startbutton-apply-choice");
    robot::Click(ControlOf(mgr->ApplyChoice(), "bCancel"));
    robot::WaitUntilGone(mgr->ApplyChoice().Hwnd());
    robot::Click(ControlOf(*mgr, "bRestore"));
    if (robot::WaitForWindow("TfDialog4", kCaption))
      shots.Save(mgr->RestoreChoice().Hwnd(), "startbutton-restore-choice");
    robot::Click(ControlOf(mgr->RestoreChoice(), "bCancel"));
    robot::WaitUntilGone(mgr->RestoreChoice().Hwnd());
    robot::Click(ControlOf(*mgr, "bContext"));
    if (robot::WaitForWindow("TSBcontext", "Start Button right-click Menu"))
      shots.Save(mgr->RightClickMenu().Hwnd(), "startbutton-right-click-menu");
    robot::Click(ControlOf(mgr->RightClickMenu(), "bOK"));
    robot::WaitUntil([&] { return !IsWindowVisible(mgr->RightClickMenu().Hwnd()); });
    robot::Click(ControlOf(*mgr, "bCancel"));
    Hidden(*mgr);
  });
  EXPECT_TRUE(shots.Failed().empty()) << "not saved: " << shots.Failed().front();
  EXPECT_FALSE(deploy::test::Exists(Copy(1))) << "looking wrote a shell copy";
}

}  // namespace
}  // namespace startbutton::test
