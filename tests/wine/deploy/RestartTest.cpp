// Restarting the shell against a stand-in "Progman" window, and the restart
// question; the reboot and the start of the new shell are replaced.

#include <gtest/gtest.h>

#include <string>

#include "deploy/Restart.h"
#include "tests/robot/Robot.h"
#include "tests/wine/deploy/DeployTestSupport.h"

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

// The stand-in shell: a window of class "Progman" on its own thread, whose
// message loop ends on WM_QUIT as the real shell's does.
DWORD WINAPI RunStandInShell(LPVOID ready) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "Progman";
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowExA(0, "Progman", "Program Manager", WS_POPUP, 0, 0, 10, 10, nullptr,
                              nullptr, wc.hInstance, nullptr);
  SetEvent(static_cast<HANDLE>(ready));
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  DestroyWindow(hwnd);
  return 0;
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
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE shell = CreateThread(nullptr, 0, RunStandInShell, ready, 0, nullptr);
  ASSERT_EQ(WaitForSingleObject(ready, 10000), WAIT_OBJECT_0);
  ASSERT_NE(FindWindowA("Progman", nullptr), nullptr);

  const std::string copy = "C:\\windows\\Xplorer1.exe";
  RestartShell(copy);

  EXPECT_EQ(WaitForSingleObject(shell, 10000), WAIT_OBJECT_0) << "the shell's loop did not end";
  EXPECT_EQ(FindWindowA("Progman", nullptr), nullptr);
  EXPECT_EQ(startedShell, copy);
  EXPECT_EQ(deploytest::ShellSetting(), copy);
  CloseHandle(shell);
  CloseHandle(ready);
}

TEST_F(Restart, WithoutARunningShellTheNewOneStartsAtOnce) {
  ASSERT_EQ(FindWindowA("Progman", nullptr), nullptr);
  RestartShell("C:\\windows\\Xplorer2.exe");
  EXPECT_EQ(startCount, 1);
  EXPECT_EQ(startedShell, "C:\\windows\\Xplorer2.exe");
}

struct PromptCase {
  bool afterRestore;
  int answer;
  const char* firstLine;
};

class RestartPrompt : public Restart, public testing::WithParamInterface<PromptCase> {};

TEST_P(RestartPrompt, AsksAndRebootsOnlyOnYes) {
  deploytest::OwnerWindow owner("Quorlo - Start Button Manager");
  robot::MessageBoxAnswerer answer(GetParam().answer);
  const bool yes =
      AskToRestart(owner.hwnd(), "Quorlo - Start Button Manager", GetParam().afterRestore);
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
