// Restarting the shell against a stand-in "Progman" window, and the restart
// question; the reboot and the start of the new shell are replaced.

#include <gtest/gtest.h>

#include <string>

#include "deploy/Restart.h"
#include "tests/robot/Robot.h"
#include "tests/wine/deploy/DeployTestSupport.h"
#include "ui/MessageBox.h"

namespace deploy::test {
namespace {

std::string startedShell;
int startCount = 0;
int reboots = 0;

bool RecordShellStart(const std::string& path) {
  startedShell = path;
  ++startCount;
  return true;
}

bool RecordReboot() {
  ++reboots;
  return true;
}

class Restart : public testing::Test {
 protected:
  void SetUp() override {
    startedShell.clear();
    startCount = reboots = 0;
    deploy::SetShellStarter(RecordShellStart);
    deploy::SetRebootFunction(RecordReboot);
  }
  void TearDown() override {
    deploy::SetShellStarter(nullptr);
    deploy::SetRebootFunction(nullptr);
  }
};

TEST_F(Restart, ShellIsAskedToQuitThenTheNewOneStarts) {
  deploy::test::StandInShell shell;
  ASSERT_TRUE(shell.Running());
  ASSERT_NE(FindWindowA("Progman", nullptr), nullptr);

  const std::string copy = "C:\\windows\\Xplorer1.exe";
  deploy::RestartShell(copy);

  EXPECT_TRUE(shell.Ended()) << "the shell's loop did not end";
  EXPECT_EQ(FindWindowA("Progman", nullptr), nullptr);
  EXPECT_EQ(startedShell, copy);
  EXPECT_EQ(deploy::test::ShellSetting(), copy);
}

TEST_F(Restart, RestartWindowsGoesThroughTheRebootStep) {
  EXPECT_TRUE(deploy::RestartWindows());
  EXPECT_EQ(reboots, 1);
}

TEST_F(Restart, WithoutARunningShellTheNewOneStartsAtOnce) {
  ASSERT_EQ(FindWindowA("Progman", nullptr), nullptr);
  deploy::RestartShell("C:\\windows\\Xplorer2.exe");
  EXPECT_EQ(startCount, 1);
  EXPECT_EQ(startedShell, "C:\\windows\\Xplorer2.exe");
}

struct PromptCase {
  bool afterRestore;
  int answer;
  const char* firstLine;
};

class RestartPrompt : public Restart, public testing::WithParamInterface<PromptCase> {};

// The window asks; deploy restarts. Together they reboot only on Yes.
TEST_P(RestartPrompt, AsksAndRebootsOnlyOnYes) {
  deploy::test::OwnerWindow owner("Quorlo - Start Button Manager");
  robot::MessageBoxAnswerer answer(GetParam().answer);
  const bool yes =
      ui::AskToRestart(owner.hwnd(), "Quorlo - Start Button Manager", GetParam().afterRestore);
  if (yes) deploy::RestartWindows();
  const robot::MessageBoxInfo box = answer.Result();
  ASSERT_TRUE(box.found());
  EXPECT_EQ(box.caption, "Quorlo - Start Button Manager");
  EXPECT_EQ(box.text, std::string(GetParam().firstLine) + "\r\n\r\nRestart now?");
  EXPECT_EQ(yes, GetParam().answer == IDYES);
  EXPECT_EQ(reboots, GetParam().answer == IDYES ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, RestartPrompt,
    testing::Values(
        PromptCase{false, IDYES, "Changes will take effect after you restart your computer."},
        PromptCase{false, IDNO, "Changes will take effect after you restart your computer."},
        PromptCase{true, IDYES, "The restoration will take effect after restarting your computer."},
        PromptCase{true, IDNO,
                   "The restoration will take effect after restarting your computer."}));

}  // namespace
}  // namespace deploy::test
