// The message pump keeps a quit request for the loop that owns it.

#include <windows.h>

#include <gtest/gtest.h>

#include "win/MessagePump.h"

namespace win::test {
namespace {

UINT gSeen = 0;

LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_APP) ++gSeen;
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class MessagePump : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc{};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "MessagePumpTest";
    RegisterClassA(&wc);
    hwnd = CreateWindowExA(0, "MessagePumpTest", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                           wc.hInstance, nullptr);
    ASSERT_NE(hwnd, nullptr);
    gSeen = 0;
  }
  void TearDown() override {
    DestroyWindow(hwnd);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
  }
  HWND hwnd = nullptr;
};

TEST_F(MessagePump, RunsWaitingMessagesAndReturnsTrueWithoutAQuit) {
  PostMessageA(hwnd, WM_APP, 0, 0);
  PostMessageA(hwnd, WM_APP, 0, 0);
  EXPECT_TRUE(ProcessMessages());
  EXPECT_EQ(gSeen, 2u);
}

TEST_F(MessagePump, AQuitRequestStaysForTheOwningLoop) {
  PostMessageA(hwnd, WM_APP, 0, 0);
  PostQuitMessage(7);
  EXPECT_FALSE(ProcessMessages());
  EXPECT_EQ(gSeen, 1u);
  // Pumping again still finds it; the owning loop then ends with its code.
  EXPECT_FALSE(ProcessMessages());
  EXPECT_EQ(RunMessageLoop(), 7);
}

}  // namespace
}  // namespace win::test
