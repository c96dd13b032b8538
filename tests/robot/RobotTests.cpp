// The robot's own checks, against a small test window with the controls the
// program's windows use, and against a message box of a second process.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/robot/Robot.h"

namespace {

constexpr int kButtonId = 101;
constexpr int kEditId = 102;
constexpr int kTreeId = 103;
constexpr COLORREF kPaintColour = RGB(200, 30, 60);

struct TestWindowState {
  int clicks = 0;
  int answer = 0;
  int userEdits = 0;
  bool filling = false;
  std::string selected;
};
TestWindowState state;

LRESULT CALLBACK TestWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      if (LOWORD(wp) == kButtonId && HIWORD(wp) == BN_CLICKED) {
        ++state.clicks;
        state.answer = MessageBoxA(hwnd, "Shall we go on?\r\nSecond line", "Robot test",
                                   MB_YESNO | MB_ICONQUESTION);
      } else if (LOWORD(wp) == kEditId && HIWORD(wp) == EN_CHANGE && !state.filling) {
        ++state.userEdits;
      }
      return 0;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lp);
      if (header->idFrom == kTreeId && header->code == TVN_SELCHANGEDA) {
        auto* change = reinterpret_cast<NMTREEVIEWA*>(lp);
        char text[128] = {};
        TVITEMA item{};
        item.mask = TVIF_TEXT;
        item.hItem = change->itemNew.hItem;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(header->hwndFrom, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        state.selected = text;
      }
      return 0;
    }
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(hwnd, &r);
      HBRUSH brush = CreateSolidBrush(kPaintColour);
      FillRect(reinterpret_cast<HDC>(wp), &r, brush);
      DeleteObject(brush);
      return 1;
    }
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

HTREEITEM AddItem(HWND tree, HTREEITEM parent, const char* text) {
  TVINSERTSTRUCTA insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = const_cast<char*>(text);
  return reinterpret_cast<HTREEITEM>(
      SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

class RobotTest : public testing::Test {
 protected:
  void SetUp() override {
    state = TestWindowState{};
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    WNDCLASSA wc{};
    wc.lpfnWndProc = TestWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "RobotTestWindow";
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClassA(&wc);
    window_ =
        CreateWindowExA(0, "RobotTestWindow", "Robot test window", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        40, 40, 420, 300, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(window_, nullptr);
    button_ = CreateWindowExA(0, "BUTTON", "Go", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80,
                              24, window_, HMENU(kButtonId), nullptr, nullptr);
    edit_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
                            100, 10, 200, 24, window_, HMENU(kEditId), nullptr, nullptr);
    tree_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                            WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_HASBUTTONS, 10, 50, 200, 180,
                            window_, HMENU(kTreeId), nullptr, nullptr);
    HTREEITEM programs = AddItem(tree_, TVI_ROOT, "Programs");
    HTREEITEM accessories = AddItem(tree_, programs, "Accessories");
    AddItem(tree_, accessories, "Calculator");
    AddItem(tree_, accessories, "Notepad");
    AddItem(tree_, TVI_ROOT, "Settings");
    UpdateWindow(window_);
    robot::PumpMessages(100);
  }
  void TearDown() override { DestroyWindow(window_); }

  HWND window_ = nullptr, button_ = nullptr, edit_ = nullptr, tree_ = nullptr;
};

TEST_F(RobotTest, FindsControlsByTextClassAndId) {
  EXPECT_EQ(robot::WaitForWindow("RobotTestWindow", "Robot test window"), window_);
  EXPECT_EQ(robot::FindChildByText(window_, "Go", "Button"), button_);
  EXPECT_EQ(robot::FindChildByClass(window_, "Edit"), edit_);
  EXPECT_EQ(robot::FindChildById(window_, kTreeId), tree_);
  EXPECT_EQ(robot::FindChildByText(window_, "No such caption"), nullptr);
}

TEST_F(RobotTest, ClickOpensMessageBoxThatIsReadAndAnswered) {
  robot::MessageBoxInfo box;
  robot::RunBeside([&] {
    robot::Click(button_);
    box = robot::WaitForMessageBox(GetCurrentProcessId());
    robot::AnswerMessageBox(box, IDNO);
  });
  ASSERT_TRUE(box.found());
  EXPECT_EQ(box.caption, "Robot test");
  EXPECT_EQ(box.text, "Shall we go on?\r\nSecond line");
  EXPECT_TRUE(robot::WaitUntil([] { return state.answer != 0; }));
  EXPECT_EQ(state.clicks, 1);
  EXPECT_EQ(state.answer, IDNO);
}

TEST_F(RobotTest, TypingIsSeenAsUserInputButTheWindowsOwnFillIsNot) {
  state.filling = true;
  SetWindowTextA(edit_, "filled by the window");
  state.filling = false;
  EXPECT_EQ(state.userEdits, 0);

  robot::SelectAllAndType(edit_, "start");
  EXPECT_EQ(robot::WindowText(edit_), "start");
  EXPECT_GT(state.userEdits, 0);
}

TEST_F(RobotTest, SelectsNestedTreeItemByPath) {
  EXPECT_TRUE(robot::SelectTreeItem(tree_, {"Programs", "Accessories", "Notepad"}));
  robot::PumpMessages();
  EXPECT_EQ(state.selected, "Notepad");
  EXPECT_EQ(robot::SelectedTreeItemText(tree_), "Notepad");
  EXPECT_FALSE(robot::SelectTreeItem(tree_, {"Programs", "Games"}));
}

TEST_F(RobotTest, CapturesWhatTheWindowPaintsAndSavesIt) {
  RECT client;
  GetClientRect(window_, &client);
  POINT inside{client.right - 20, client.bottom - 20};  // clear of the child controls
  ClientToScreen(window_, &inside);
  RECT frame;
  GetWindowRect(window_, &frame);

  robot::Capture capture = robot::CaptureWindow(window_);
  ASSERT_FALSE(capture.empty());
  EXPECT_EQ(capture.width, frame.right - frame.left);
  const uint32_t expected =
      (GetRValue(kPaintColour) << 16) | (GetGValue(kPaintColour) << 8) | GetBValue(kPaintColour);
  EXPECT_EQ(capture.At(inside.x - frame.left, inside.y - frame.top), expected);

  const std::string dir = std::getenv("QUORLO_BINARY") ? std::getenv("QUORLO_BINARY") : ".";
  CreateDirectoryA((dir + "/screenshots").c_str(), nullptr);
  const std::string png = dir + "/screenshots/robot-test-window.png";
  const std::string bmp = dir + "/screenshots/robot-test-window.bmp";
  ASSERT_TRUE(robot::SavePng(capture, png));
  ASSERT_TRUE(robot::SaveBmp(capture, bmp));

  HANDLE file =
      CreateFileA(png.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  unsigned char header[24] = {};
  DWORD read = 0;
  ReadFile(file, header, sizeof header, &read, nullptr);
  CloseHandle(file);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(header) + 1, 3), "PNG");
  const int pngWidth = (header[16] << 24) | (header[17] << 16) | (header[18] << 8) | header[19];
  EXPECT_EQ(pngWidth, capture.width);
}

// A message box of another process, as black-box tests meet the program's.
TEST(RobotOtherProcess, ReadsAndAnswersMessageBoxOfSecondProcess) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string command = std::string("\"") + self + "\" --show-message-box";
  STARTUPINFOA si{sizeof si};
  PROCESS_INFORMATION pi{};
  ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &si, &pi));
  robot::MessageBoxInfo box = robot::WaitForMessageBox(pi.dwProcessId);
  ASSERT_TRUE(box.found());
  EXPECT_EQ(box.caption, "Second process");
  EXPECT_EQ(box.text, "Restart now?");
  EXPECT_TRUE(robot::AnswerMessageBox(box, IDYES));
  EXPECT_EQ(WaitForSingleObject(pi.hProcess, 10000), WAIT_OBJECT_0);
  DWORD code = 0;
  GetExitCodeProcess(pi.hProcess, &code);
  EXPECT_EQ(code, DWORD(IDYES));
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--show-message-box")
    return MessageBoxA(nullptr, "Restart now?", "Second process", MB_YESNO | MB_ICONQUESTION);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
