// The Start Button Manager as the user meets it: opened from the main window,
// edited by typing, written with OK or Apply, restored; the robot acts on a
// second thread while this one runs the windows.

#include <gtest/gtest.h>

#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>

#include "app/MainWindow.h"
#include "deploy/Activation.h"
#include "deploy/Restart.h"
#include "deploy/ShellLocation.h"
#include "resedit/ResourceReader.h"
#include "resedit/StringBlock.h"
#include "startbutton/RightClickMenuWindow.h"
#include "startbutton/StartButtonWindow.h"
#include "tests/robot/Robot.h"
#include "tests/wine/WinePaths.h"
#include "tests/wine/deploy/DeployTestSupport.h"
#include "tests/wine/startbutton/StartButtonTestSupport.h"
#include "ui/StandardControls.h"
#include "win/SystemFacts.h"

namespace startbutton::test {
namespace {

constexpr char kCaption[] = "Start Button Manager";

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

class ManagerWindow : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    main_ = new app::MainWindow;
    ASSERT_TRUE(main_->Create(GetModuleHandleA(nullptr), win::WindowsVersion()));
    ShowWindow(main_->Handle(), SW_SHOW);
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

  // Robot side: clicks the main window's button and waits for the manager.
  static startbutton::StartButtonWindow* OpenManager() {
    robot::Click(main_->Get<ui::Control>("bSBmgr").Hwnd());
    if (!robot::WaitForWindow("TSBmgr", kCaption)) return nullptr;
    startbutton::StartButtonWindow* mgr = main_->StartButton();
    // Typing before the window has read the shell would be overwritten.
    if (!robot::WaitUntil([mgr] { return !mgr->Opening(); })) return nullptr;
    return mgr;
  }
  static HWND Control(ui::Form& form, const char* name) {
    return form.Get<ui::Control>(name).Hwnd();
  }
  static std::string BoxText(ui::Form& form, const char* name) {
    return robot::WindowText(Control(form, name));
  }
  // Answers the next message box and returns its text (with its caption first).
  static std::string Answer(int button) {
    const robot::MessageBoxInfo box = robot::WaitForMessageBox();
    if (!box.found()) return "<no message box>";
    robot::AnswerMessageBox(box, button);
    return box.caption + "|" + box.text;
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
  static bool Hidden(ui::Form& form) {
    return robot::WaitUntil([&] { return !IsWindowVisible(form.Hwnd()); });
  }

  static app::MainWindow* main_;
};

app::MainWindow* ManagerWindow::main_ = nullptr;

TEST_F(ManagerWindow, OkWithRestartWritesTheCopyAndAsksToRestart) {
  std::string startBefore, box;
  bool applyAfterLoad = true, applyAfterTyping = false, groupShown = false, closed = false;
  robot::RunBeside([&] {
    startbutton::StartButtonWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    startBefore = BoxText(*mgr, "tStart");
    applyAfterLoad = IsWindowEnabled(Control(*mgr, "bApply"));
    groupShown = IsWindowVisible(Control(*mgr, "BXPSBIcon"));
    robot::SelectAllAndType(Control(*mgr, "tStart"), "Go");
    robot::SelectAllAndType(Control(*mgr, "tTooltip"), "Press to begin");
    applyAfterTyping = IsWindowEnabled(Control(*mgr, "bApply"));
    robot::Click(Control(*mgr, "bOK"));
    if (!Choose(mgr->ApplyChoice(), "TfDialog3", "oRestart", "bOK")) return;
    box = Answer(IDNO);
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
    robot::SelectAllAndType(Control(*mgr, "tStart"), "Now");
    robot::Click(Control(*mgr, "bApply"));
    applyDisabled = robot::WaitUntil([&] { return !IsWindowEnabled(Control(*mgr, "bApply")); });
    stillOpen = IsWindowVisible(mgr->Hwnd());
    robot::Click(Control(*mgr, "bCancel"));
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
    robot::SelectAllAndType(Control(*mgr, "tTooltip"), "Instantly");
    robot::Click(Control(*mgr, "bOK"));
    if (!Choose(mgr->ApplyChoice(), "TfDialog3", "oApply", "bOK")) return;
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
    robot::SelectAllAndType(Control(*mgr, "tStart"), "Never");
    robot::Click(Control(*mgr, "bOK"));
    if (!Choose(mgr->ApplyChoice(), "TfDialog3", "oRestart", "bCancel")) return;
    applyEnabled = IsWindowEnabled(Control(*mgr, "bApply"));
    robot::Click(Control(*mgr, "bCancel"));
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
          Control(*mgr, std::string(tooltip) == "First" ? "tStart" : "tTooltip"), tooltip);
      robot::Click(Control(*mgr, "bOK"));
      if (!Choose(mgr->ApplyChoice(), "TfDialog3", "oRestart", "bOK")) return;
      Answer(IDNO);
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
    robot::SelectAllAndType(Control(*mgr, "tStart"), "Changed");
    robot::Click(Control(*mgr, "bOK"));
    if (!Choose(mgr->ApplyChoice(), "TfDialog3", "oRestart", "bOK")) return;
    Answer(IDNO);
    Hidden(*mgr);
  });
  ASSERT_EQ(deploy::test::ShellSetting(), Copy(1));
  robot::RunBeside([&] {
    startbutton::StartButtonWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    shownStart = BoxText(*mgr, "tStart");
    robot::Click(Control(*mgr, "bRestore"));
    if (!Choose(mgr->RestoreChoice(), "TfDialog4", "oPhysical", "bOK")) return;
    box = Answer(IDNO);
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
    robot::SelectAllAndType(Control(*mgr, "tStart"), "Mine");
    robot::Click(Control(*mgr, "bOK"));
    if (!Choose(mgr->ApplyChoice(), "TfDialog3", "oRestart", "bOK")) return;
    Answer(IDNO);
    Hidden(*mgr);
  });
  ASSERT_EQ(deploy::test::ShellSetting(), Copy(1));
  std::string before, after, box;
  bool applyEnabled = false;
  robot::RunBeside([&] {
    startbutton::StartButtonWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    before = BoxText(*mgr, "tStart");
    robot::Click(Control(*mgr, "bRestore"));
    if (!Choose(mgr->RestoreChoice(), "TfDialog4", "oDynamic", "bOK")) return;
    box = Answer(IDOK);
    after = BoxText(*mgr, "tStart");
    applyEnabled = IsWindowEnabled(Control(*mgr, "bApply"));
    robot::Click(Control(*mgr, "bCancel"));
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
    robot::Click(Control(*mgr, "XPSBChange"));
    refusedDialog = robot::ChooseFileInDialog("Open Picture File", notPicture);
    refused = Answer(IDOK);
    robot::Click(Control(*mgr, "XPSBChange"));
    acceptedDialog = robot::ChooseFileInDialog("Open Picture File", picture);
    accepted = Answer(IDOK);
    robot::Click(Control(*mgr, "bApply"));
    robot::WaitUntil([&] { return !IsWindowEnabled(Control(*mgr, "bApply")); });
    robot::Click(Control(*mgr, "bCancel"));
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
    startbutton::StartButtonWindow* mgr = OpenManager();
    if (mgr == nullptr) return;
    save(mgr->Hwnd(), "startbutton-manager");
    robot::Click(Control(*mgr, "bOK"));
    if (robot::WaitForWindow("TfDialog3", kCaption))
      save(mgr->ApplyChoice().Hwnd(), "startbutton-apply-choice");
    robot::Click(Control(mgr->ApplyChoice(), "bCancel"));
    robot::WaitUntilGone(mgr->ApplyChoice().Hwnd());
    robot::Click(Control(*mgr, "bRestore"));
    if (robot::WaitForWindow("TfDialog4", kCaption))
      save(mgr->RestoreChoice().Hwnd(), "startbutton-restore-choice");
    robot::Click(Control(mgr->RestoreChoice(), "bCancel"));
    robot::WaitUntilGone(mgr->RestoreChoice().Hwnd());
    robot::Click(Control(*mgr, "bContext"));
    if (robot::WaitForWindow("TSBcontext", "Start Button right-click Menu"))
      save(mgr->RightClickMenu().Hwnd(), "startbutton-right-click-menu");
    robot::Click(Control(mgr->RightClickMenu(), "bOK"));
    robot::WaitUntil([&] { return !IsWindowVisible(mgr->RightClickMenu().Hwnd()); });
    robot::Click(Control(*mgr, "bCancel"));
    Hidden(*mgr);
  });
  EXPECT_TRUE(failed.empty()) << failed.size() << " pictures not saved, first "
                              << (failed.empty() ? "" : failed[0]);
  EXPECT_FALSE(deploy::test::Exists(Copy(1))) << "looking wrote a shell copy";
}

}  // namespace
}  // namespace startbutton::test
