// The shell restart lets this program's messages run while it waits for the
// old shell to go; a quit request among them must survive the wait.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "deploy/Restart.h"
#include "tests/wine/deploy/DeployTestSupport.h"

namespace deploy::test {
namespace {

HANDLE gPumped = nullptr;

LRESULT CALLBACK SignalWhenDispatched(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_APP) SetEvent(gPumped);
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

bool NoShellStart(const std::string&) {
  return true;
}

TEST(RestartShellWait, KeepsAQuitRequestPostedBeforeIt) {
  gPumped = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  WNDCLASSA wc{};
  wc.lpfnWndProc = SignalWhenDispatched;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "RestartQuitTest";
  RegisterClassA(&wc);
  HWND window = CreateWindowExA(0, "RestartQuitTest", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                wc.hInstance, nullptr);
  ASSERT_NE(window, nullptr);
  {
    // The old shell goes only once the wait has run this thread's messages,
    // so the wait surely meets the quit request queued behind WM_APP.
    deploy::test::StandInShell shell(gPumped);
    ASSERT_TRUE(shell.Running());
    deploy::SetShellStarter(NoShellStart);

    PostMessageA(window, WM_APP, 0, 0);
    PostQuitMessage(3);
    deploy::RestartShell("C:\\windows\\Xplorer1.exe");
    EXPECT_TRUE(shell.Ended());
  }
  deploy::SetShellStarter(nullptr);

  MSG msg{};
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
      << "the wait for the old shell swallowed the quit request";
  EXPECT_EQ(msg.message, UINT(WM_QUIT));
  EXPECT_EQ(msg.wParam, 3u);
  EXPECT_EQ(WaitForSingleObject(gPumped, 0), WAIT_OBJECT_0) << "the wait ran no messages";
  DestroyWindow(window);
  CloseHandle(gPumped);
}

}  // namespace
}  // namespace deploy::test
