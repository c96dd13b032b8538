// The main window, the edition choosers and the banner id, driven in process:
// the window runs on the test's thread, the robot acts from a second thread
// whenever a modal window or message box would block the first.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/Constants.h"
#include "app/Editions.h"
#include "app/MainWindow.h"
#include "app/StartBanner.h"
#include "app/u2kEdition.h"
#include "app/uXPEdition.h"
#include "controls/GradientMath.h"
#include "logon/LogonDialogsWindow_win.h"
#include "tests/robot/Robot.h"
#include "tests/wine/WinePaths.h"
#include "ui/Label.h"
#include "win/ProgramIdentity.h"
#include "win/RegistryAccessor.h"
#include "win/SystemFacts.h"

namespace app::test {
namespace {

std::string Version() {
  return winetest::EnvironmentOr("QUORLO_TEST_VERSION", "winxp");
}

using robot::RobotThread;

void WriteEdition(const char* name, int value) {
  win::RegOpenAccessor();
  win::RegSelectKey(HKEY_CURRENT_USER, win::ProgramRegistryKey);
  win::RegWriteInteger(name, value);
  win::RegCloseAccessor();
}

void DeleteEdition(const char* name) {
  win::RegOpenAccessor();
  win::RegSelectKey(HKEY_CURRENT_USER, win::ProgramRegistryKey);
  win::RegDeleteValue(name);
  win::RegCloseAccessor();
}

int StoredEdition(const char* name) {
  win::RegOpenAccessor();
  win::RegSelectKey(HKEY_CURRENT_USER, win::ProgramRegistryKey);
  const int value = win::RegReadInteger(name, 0);
  win::RegCloseAccessor();
  return value;
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCursorPos(0, 0);
    ASSERT_TRUE(main.Create(GetModuleHandleA(nullptr), win::WindowsVersion()));
    ASSERT_FALSE(main.TerminationRequested());
    ShowWindow(main.Handle(), SW_RESTORE);
    robot::PumpMessages(100);
  }
  void TearDown() override {
    if (main.Handle() != nullptr) DestroyWindow(main.Handle());
    // The main window's end asks the loop to quit; no later test has that loop.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }
  HWND Control(const char* name) { return main.Get<ui::Control>(name).Hwnd(); }
  std::string Text(const char* name) { return main.Get<ui::Label>(name).Text(); }
  app::MainWindow main;
};

TEST_F(MainWindowTest, HoveringEachButtonShowsItsTextsAndThePanelTheWelcome) {
  struct Case {
    const char* button;
    const char* title;
    const char* subTitle;
    const char* infoStart;
  };
  const Case cases[] = {
      {"bSMmgr", "Start Menu Manager",
       "Start Menu Manager - Configure and customise your Start Menu",
       "Use the Start Menu Manager to configure"},
      {"bSBmgr", "Start Button Manager",
       "Start Button Manager - Configure and customise your Start Button",
       "Use the Start Button Manager to configure"},
      {"bImgr", "Icon Manager", "Icon Manager - Customise your shell icons",
       "Use the Icon Manager to customise"},
      {"bLmgr", "Logos Manager", "Logos Manager - Customise the startup/shut down logos",
       "Use the Logos Manager to customise"},
      {"bLDmgr", "Logon Dialogs Manager", "Logon Dialogs Manager - Customise the logon dialogs",
       "Use the Logon Dialogs Manger to customise"},
      {"bAbout", "About Quorlo", "About Quorlo - Version information and contact details",
       "Feel free to contact the author"},
      {"APHeadLabel1", "Welcome to Quorlo",
       "Welcome to Quorlo - the tool to customise your computer",
       "Quorlo allows you to customise your computer"},
  };
  for (const Case& c : cases) {
    robot::MoveMouseTo(Control(c.button), 10, 10);
    robot::PumpMessages(50);
    EXPECT_EQ(Text("lTitle"), c.title) << "over " << c.button;
    EXPECT_EQ(Text("lSubTitle"), c.subTitle) << "over " << c.button;
    EXPECT_EQ(Text("lInfo").rfind(c.infoStart, 0), 0u)
        << "over " << c.button << ": " << Text("lInfo");
  }
}

TEST_F(MainWindowTest, HeadingRunsFromLightBlueAtTheTopToWhite) {
  const robot::Capture capture = robot::CaptureWindow(main.Handle());
  ASSERT_EQ(capture.width, app::MainWindow::kClientWidth);
  const auto bands = controls::GradientBands(controls::gsTop, 14994353, 0xFFFFFF, 128, 577, 25);
  ASSERT_EQ(bands.size(), 25u);
  // Captures hold 0x00RRGGBB, the bands 0x00BBGGRR.
  auto asCapture = [](uint32_t bgr) {
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
  };
  for (int y : {0, 24}) {
    for (int x : {450, 490}) {
      EXPECT_EQ(capture.At(x, y), asCapture(bands[size_t(y)].color))
          << std::hex << "pixel " << std::dec << x << "," << y;
    }
  }
  // Bands 0 and 1 have no rows at this height; band 2, RGB(178,203,228), is the top row.
  EXPECT_EQ(capture.At(450, 0), 0xB2CBE4u) << std::hex << capture.At(450, 0);
}

TEST_F(MainWindowTest, LogonDialogsButtonOpensTheManagerOnlyInTheNtFamily) {
  const bool nt = win::WindowsVersion() == 4 || win::WindowsVersion() == 5;
  // A stored edition, so that no chooser comes first.
  if (nt)
    WriteEdition(win::WindowsVersion() == 5 ? "XP Edition" : "2k Edition",
                 win::WindowsVersion() == 5 ? 2 : 3);
  robot::MessageBoxInfo box;
  HWND manager = nullptr;
  bool managerClosed = false;
  HWND button = Control("bLDmgr");
  RobotThread robotThread([&] {
    robot::Click(button);
    if (nt) {
      manager = robot::WaitForWindow("TLogonDlgMgr", "Logon Dialogs Manager");
      if (manager == nullptr) return;
      // Its own message boxes (a missing logon library) are not the main window's.
      robot::WaitUntil(
          [&] { return main.LogonDialogs() != nullptr && !main.LogonDialogs()->Opening(); });
      robot::Click(main.LogonDialogs()->Get<ui::Control>("bCancel").Hwnd());
      managerClosed = robot::WaitUntil([&] { return !IsWindowVisible(manager); });
      return;
    }
    box = robot::WaitForMessageBox(GetCurrentProcessId());
    if (box.found()) robot::AnswerMessageBox(box, IDOK);
  });
  ASSERT_TRUE(robotThread.Join());
  if (nt) {
    EXPECT_NE(manager, nullptr) << "the Logon Dialogs Manager did not open";
    EXPECT_TRUE(managerClosed);
    return;
  }
  EXPECT_EQ(main.LogonDialogs(), nullptr) << "a manager window was made outside 2000/XP";
  ASSERT_TRUE(box.found());
  EXPECT_EQ(box.caption, "Quorlo");
  EXPECT_EQ(box.text,
            "The Logon Dialogs Manager is only available for users running\r\nWindows 2000 and "
            "Windows XP.");
  EXPECT_TRUE(IsWindowEnabled(main.Handle())) << "a window stayed open over the main window";
}

TEST_F(MainWindowTest, MinimiseButtonMinimisesTheProgram) {
  robot::Click(Control("bMin"));
  robot::PumpMessages(200);
  EXPECT_TRUE(IsIconic(main.Handle()));
}

TEST_F(MainWindowTest, CloseButtonEndsTheProgram) {
  const HWND hwnd = main.Handle();
  robot::Click(Control("bClose"));
  // Dispatch until the quit request arrives, as the program's loop would.
  bool quit = false;
  const DWORD start = GetTickCount();
  while (!quit && GetTickCount() - start < 3000) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        quit = true;
        break;
      }
      DispatchMessageA(&msg);
    }
    Sleep(10);
  }
  EXPECT_TRUE(quit) << "no WM_QUIT: the message loop would go on";
  EXPECT_FALSE(IsWindow(hwnd));
}

// The system's move loop needs a real pointer held down, which the test
// machine does not have: what is checked is that a press on each dragging
// control asks Windows for it (WM_SYSCOMMAND 0xF012, move by caption).
WNDPROC gPreviousProc = nullptr;
int gMoveRequests = 0;
LRESULT CALLBACK CountMoveRequests(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_SYSCOMMAND && wParam == 0xF012) {
    ++gMoveRequests;
    return 0;
  }
  return CallWindowProcA(gPreviousProc, hwnd, msg, wParam, lParam);
}

TEST_F(MainWindowTest, PressingTheHeadingDragsTheWindow) {
  gPreviousProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
      main.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountMoveRequests)));
  for (const char* name : {"topgr", "imgIcon", "Label1", "Label2"}) {
    gMoveRequests = 0;
    robot::ClickAt(Control(name), 3, 3);
    robot::PumpMessages(50);
    EXPECT_EQ(gMoveRequests, 1) << "pressing " << name;
  }
  gMoveRequests = 0;
  // The button opens its manager, which the robot closes again; stored
  // editions keep the edition choosers away.
  WriteEdition("XP Edition", win::kXPProfessionalEdition);
  WriteEdition("2k Edition", win::k2000ProfessionalEdition);
  bool managerClosed = false;
  RobotThread closer([&managerClosed] {
    if (HWND chooser = robot::WaitForWindow("TChooseSMmgr", nullptr, 2000))
      robot::Click(robot::FindChildByText(chooser, "Classic Start Menu"));
    HWND manager = robot::WaitForWindow("TSMmgr", nullptr);
    if (manager == nullptr) return;
    robot::Click(robot::FindChildByText(manager, "Cancel"));
    managerClosed = robot::WaitUntilGone(manager);
  });
  robot::ClickAt(Control("bSMmgr"), 3, 3);
  robot::PumpMessages(50);
  closer.Join();
  DeleteEdition("XP Edition");
  DeleteEdition("2k Edition");
  EXPECT_TRUE(managerClosed) << "the Start Menu Manager did not open and close";
  EXPECT_EQ(gMoveRequests, 0) << "a manager button dragged the window";
  SetWindowLongPtrA(main.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gPreviousProc));
}

// Answers the chooser of `className` by clicking `option` (nullptr: leaves
// the first one) and OK; counts how often it appeared.
struct ChooserAnswer {
  const char* className;
  const char* caption;
  const char* option;
  int shown = 0;
};

void Answer(ChooserAnswer& answer, DWORD waitMs) {
  HWND chooser = robot::WaitForWindow(answer.className, answer.caption, waitMs);
  if (chooser == nullptr) return;
  ++answer.shown;
  if (answer.option != nullptr) robot::Click(robot::FindChildByText(chooser, answer.option));
  Sleep(100);
  robot::Click(robot::FindChildByText(chooser, "OK"));
  robot::WaitUntilGone(chooser);
}

int AskWithRobot(int (*get)(), ChooserAnswer& answer, DWORD waitMs = robot::kDefaultWaitMs) {
  RobotThread robotThread([&answer, waitMs] { Answer(answer, waitMs); });
  const int result = get();
  robotThread.Join();
  return result;
}

TEST(EditionChooser, XPEditionIsAskedOnceAndAgainWhenDeleted) {
  if (Version() != "winxp") GTEST_SKIP() << "XP only";
  DeleteEdition("XP Edition");
  ChooserAnswer pro{"TXPEdition", "Windows XP Edition",
                    "Windows XP - Professional/Corporate Edition"};
  EXPECT_EQ(AskWithRobot(&GetXPEdition, pro), 2);
  EXPECT_EQ(pro.shown, 1);
  EXPECT_EQ(StoredEdition("XP Edition"), 2);

  ChooserAnswer again{"TXPEdition", "Windows XP Edition", nullptr};
  EXPECT_EQ(AskWithRobot(&GetXPEdition, again, 1000), 2);
  EXPECT_EQ(again.shown, 0) << "asked although the answer is stored";

  DeleteEdition("XP Edition");
  ChooserAnswer untouched{"TXPEdition", "Windows XP Edition", nullptr};
  EXPECT_EQ(AskWithRobot(&GetXPEdition, untouched), 1);
  EXPECT_EQ(untouched.shown, 1);
  EXPECT_EQ(StoredEdition("XP Edition"), 1);
}

TEST(EditionChooser, Out0fRange2000EditionIsAskedAgain) {
  if (Version() != "win2k") GTEST_SKIP() << "2000 only";
  WriteEdition("2k Edition", 9);
  ChooserAnswer advanced{"TTwoKEdition", "Windows 2000 Edition", "Windows 2000 Advanced Server"};
  EXPECT_EQ(AskWithRobot(&Get2000Edition, advanced), 6);
  EXPECT_EQ(advanced.shown, 1);
  EXPECT_EQ(StoredEdition("2k Edition"), 6);

  DeleteEdition("2k Edition");
  ChooserAnswer untouched{"TTwoKEdition", "Windows 2000 Edition", nullptr};
  EXPECT_EQ(AskWithRobot(&Get2000Edition, untouched), 3);
}

bool WriteFileOfSize(const std::string& path, DWORD size) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  std::string zeros(size, '\0');
  DWORD written = 0;
  const bool ok = WriteFile(file, zeros.data(), size, &written, nullptr) && written == size;
  CloseHandle(file);
  return ok;
}

TEST(StartBanner, IdForThisMachine) {
  struct Case {
    const char* version;
    const char* editionValue;  // stored before asking; nullptr: none
    int edition;
    DWORD shellSize;  // 0: leave the shell file as it is
    int expected;
  };
  const Case cases[] = {
      {"winme", nullptr, 0, 0, 161},      {"win98", nullptr, 0, 0, 157},
      {"winxp", "XP Edition", 1, 0, 166}, {"winxp", "XP Edition", 2, 0, 167},
      {"win2k", "2k Edition", 3, 0, 157}, {"win2k", "2k Edition", 4, 0, 158},
      {"win2k", "2k Edition", 5, 0, 162}, {"win2k", "2k Edition", 6, 0, 163},
      {"win2k", "2k Edition", 7, 0, 164}, {"win95", nullptr, 0, 171280, 161},
      {"win95", nullptr, 0, 171281, 157}, {"win95", nullptr, 0, 171279, 157},
  };
  int run = 0;
  for (const Case& c : cases) {
    if (Version() != c.version) continue;
    ++run;
    if (c.editionValue != nullptr) WriteEdition(c.editionValue, c.edition);
    if (c.shellSize != 0) {
      ASSERT_TRUE(WriteFileOfSize(win::GetWindowsDir() + "Explorer.exe", c.shellSize));
    }
    // No chooser may appear: the stored edition answers, or none is needed.
    ChooserAnswer xp{"TXPEdition", nullptr, nullptr};
    ChooserAnswer twoK{"TTwoKEdition", nullptr, nullptr};
    RobotThread watcher([&] {
      Answer(xp, 300);
      Answer(twoK, 300);
    });
    EXPECT_EQ(StartBannerBitmapId(), c.expected)
        << c.version << " edition " << c.edition << " shell size " << c.shellSize;
    watcher.Join();
    EXPECT_EQ(xp.shown + twoK.shown, 0) << "a chooser appeared on " << c.version;
  }
  if (run == 0) GTEST_SKIP() << "no banner row for " << Version();
}

}  // namespace
}  // namespace app::test
