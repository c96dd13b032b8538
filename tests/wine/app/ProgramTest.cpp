// Black-box: the real Quorlo.exe started as a user would, driven by the robot.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/robot/Robot.h"
#include "tests/wine/WinePaths.h"
#include "tests/wine/app/QuorloProcess.h"

namespace app::test {
namespace {

bool MachineIsSupported() {
  return winetest::EnvironmentOr("QUORLO_TEST_VERSION", "winxp") != "win7";
}

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!MachineIsSupported()) GTEST_SKIP() << "the program refuses this Windows";
  }

  // Starts the program and waits for its main window.
  HWND StartFirst(QuorloProcess& process) {
    if (!process.Started()) return nullptr;
    return robot::WaitForWindowOfProcess(process.Id(), "TfMain");
  }

  static void Close(HWND mainWindow) { PostMessageA(mainWindow, WM_CLOSE, 0, 0); }
};

TEST_F(ProgramTest, MainWindowHasTitleAndClientSizeAndEndsWithZero) {
  QuorloProcess first(app::test::BuiltProgram(), "");
  const HWND window = StartFirst(first);
  ASSERT_NE(window, nullptr) << "no main window";
  EXPECT_EQ(robot::WindowText(window), "Quorlo");
  RECT client = {};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right - client.left, 577);
  EXPECT_EQ(client.bottom - client.top, 266);
  EXPECT_FALSE(robot::WaitForMessageBox(first.Id(), 500).found()) << "unexpected message";
  Close(window);
  EXPECT_EQ(first.WaitForExit(), 0u);
}

TEST_F(ProgramTest, SecondStartRestoresTheFirstAndOpensNoWindow) {
  QuorloProcess first(app::test::BuiltProgram(), "");
  const HWND window = StartFirst(first);
  ASSERT_NE(window, nullptr);
  ShowWindow(window, SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(window));

  QuorloProcess second(app::test::BuiltProgram(), "", /*suspended=*/true);
  ASSERT_TRUE(second.Started());
  app::test::WindowCreationWatch watch(second.Id());
  ASSERT_TRUE(watch.Active());
  second.Resume();
  EXPECT_EQ(second.WaitForExit(), 0u);
  robot::PumpMessages(300);
  EXPECT_EQ(watch.Created(), 0) << "the second instance created windows";

  EXPECT_EQ(app::test::CountMainWindows(), 1);
  EXPECT_FALSE(IsIconic(window)) << "the running instance was not restored";
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(GetForegroundWindow(), window) << "the running instance is not in front";
  Close(window);
  EXPECT_EQ(first.WaitForExit(), 0u);
}

// Proves the watch sees windows at all, so a count of 0 above means something.
TEST_F(ProgramTest, WindowWatchSeesTheFirstInstanceWindows) {
  QuorloProcess first(app::test::BuiltProgram(), "", /*suspended=*/true);
  ASSERT_TRUE(first.Started());
  app::test::WindowCreationWatch watch(first.Id());
  ASSERT_TRUE(watch.Active());
  first.Resume();
  const HWND window = robot::WaitForWindowOfProcess(first.Id(), "TfMain");
  ASSERT_NE(window, nullptr);
  robot::PumpMessages(300);
  EXPECT_GT(watch.Created(), 0);
  Close(window);
  EXPECT_EQ(first.WaitForExit(), 0u);
}

TEST_F(ProgramTest, RestoreAllArgumentShowsNothingAndLeavesRunningInstanceAlone) {
  QuorloProcess first(app::test::BuiltProgram(), "");
  const HWND window = StartFirst(first);
  ASSERT_NE(window, nullptr);
  ShowWindow(window, SW_MINIMIZE);

  QuorloProcess restore(app::test::BuiltProgram(), "/r", /*suspended=*/true);
  ASSERT_TRUE(restore.Started());
  app::test::WindowCreationWatch watch(restore.Id());
  restore.Resume();
  EXPECT_EQ(restore.WaitForExit(), 0u);
  robot::PumpMessages(300);
  EXPECT_EQ(watch.Created(), 0);
  EXPECT_TRUE(IsIconic(window)) << "\"/r\" signalled the running instance";
  Close(window);
  EXPECT_EQ(first.WaitForExit(), 0u);
}

TEST_F(ProgramTest, OtherSpellingsOfRestoreAllStartNormally) {
  for (const char* arguments : {"/R", "x /r"}) {
    QuorloProcess process(app::test::BuiltProgram(), arguments);
    const HWND window = StartFirst(process);
    ASSERT_NE(window, nullptr) << "no main window with arguments " << arguments;
    Close(window);
    EXPECT_EQ(process.WaitForExit(), 0u) << arguments;
  }
}

TEST_F(ProgramTest, HelpButtonOpensHelpWindowThatClosesWithTheProgram) {
  QuorloProcess first(app::test::BuiltProgram(), "");
  const HWND window = StartFirst(first);
  ASSERT_NE(window, nullptr);
  const HWND help = robot::FindChildByText(window, "?");
  ASSERT_NE(help, nullptr) << "no \"?\" button";
  robot::Click(help);
  const HWND helpWindow = robot::WaitForWindowOfProcess(first.Id(), "HH Parent", 15000);
  ASSERT_NE(helpWindow, nullptr) << "no help window";
  EXPECT_EQ(robot::WindowText(helpWindow), "Quorlo Help");
  Close(window);
  EXPECT_EQ(first.WaitForExit(), 0u);
  EXPECT_FALSE(IsWindow(helpWindow));
}

// A copy of the program in a directory of its own, with or without the help file.
std::string CopyProgram(const std::string& name, bool withHelp) {
  const std::string directory = app::test::FreshDirectory(name);
  const std::string built = app::test::BuiltProgram();
  CopyFileA(built.c_str(), (directory + "Quorlo.exe").c_str(), FALSE);
  const std::string chm = built.substr(0, built.rfind('\\') + 1) + "Help.chm";
  if (withHelp) CopyFileA(chm.c_str(), (directory + "Help.chm").c_str(), FALSE);
  DeleteFileA((directory + "HHDebug.txt").c_str());
  return directory;
}

TEST_F(ProgramTest, MissingHelpFileIsReported) {
  const std::string directory = CopyProgram("quorlo-nohelp", /*withHelp=*/false);
  QuorloProcess first(directory + "Quorlo.exe", "");
  const HWND window = StartFirst(first);
  ASSERT_NE(window, nullptr);
  robot::Click(robot::FindChildByText(window, "?"));
  const robot::MessageBoxInfo box = robot::WaitForMessageBox(first.Id());
  ASSERT_TRUE(box.found()) << "no message for the missing help file";
  EXPECT_EQ(box.caption, "Quorlo");
  EXPECT_EQ(box.text, "The help file 'Help.chm' cannot be found!\r\nPlease reinstall Quorlo.");
  EXPECT_TRUE(robot::AnswerMessageBox(box, IDOK));
  Close(window);
  EXPECT_EQ(first.WaitForExit(), 0u);
}

TEST_F(ProgramTest, DiagnosticLogOnlyWhenAskedFor) {
  const std::string directory = CopyProgram("quorlo-debug", /*withHelp=*/true);
  const std::string log = directory + "HHDebug.txt";
  const std::string chm = directory + "Help.chm";
  const std::string created = "THookHelpSystem.Create(\"" + chm + "\",\"\", 0)\r\n";

  {
    QuorloProcess plain(directory + "Quorlo.exe", "");
    const HWND window = StartFirst(plain);
    ASSERT_NE(window, nullptr);
    Close(window);
    EXPECT_EQ(plain.WaitForExit(), 0u);
    EXPECT_EQ(GetFileAttributesA(log.c_str()), INVALID_FILE_ATTRIBUTES) << "log without asking";
  }
  {
    QuorloProcess debug(directory + "Quorlo.exe", "-DEBUG");
    const HWND window = StartFirst(debug);
    ASSERT_NE(window, nullptr);
    robot::Click(robot::FindChildByText(window, "?"));
    ASSERT_NE(robot::WaitForWindowOfProcess(debug.Id(), "HH Parent", 15000), nullptr);
    Close(window);
    EXPECT_EQ(debug.WaitForExit(), 0u);
    EXPECT_EQ(app::test::ReadText(log), created + "ShowTopic(\"" + chm +
                                            "::/html/Welcome.htm\", 0)\r\n"
                                            "  returned - 0\r\n"
                                            "THookHelpSystem.Destroy\r\n");
  }
  DeleteFileA(log.c_str());
  {
    const HANDLE marker = CreateFileA((directory + "debug.debug").c_str(), GENERIC_WRITE, 0,
                                      nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(marker, INVALID_HANDLE_VALUE);
    CloseHandle(marker);
    QuorloProcess marked(directory + "Quorlo.exe", "");
    const HWND window = StartFirst(marked);
    ASSERT_NE(window, nullptr);
    Close(window);
    EXPECT_EQ(marked.WaitForExit(), 0u);
    EXPECT_EQ(app::test::ReadText(log), created + "THookHelpSystem.Destroy\r\n");
  }
}

class UnsupportedWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (MachineIsSupported()) GTEST_SKIP() << "the program accepts this Windows";
  }
};

TEST_F(UnsupportedWindowsTest, MessageThenEndWithoutMainWindow) {
  QuorloProcess process(app::test::BuiltProgram(), "");
  ASSERT_TRUE(process.Started());
  const robot::MessageBoxInfo box = robot::WaitForMessageBox(process.Id());
  ASSERT_TRUE(box.found()) << "no message on an unsupported Windows";
  EXPECT_EQ(box.caption, "Quorlo");
  EXPECT_EQ(box.text,
            "Quorlo is only designed for Windows 95, Windows 98, Windows Millennium,\r\n"
            "Windows 2000, and Windows XP.\r\n\r\n"
            "Unfortunately, Quorlo does not support your Operating System.\r\n\r\n"
            "If you require further assistance or help, please don't hesitate to\r\n"
            "contact the author.");
  EXPECT_EQ(app::test::CountMainWindows(), 0);
  EXPECT_TRUE(robot::AnswerMessageBox(box, IDOK));
  EXPECT_EQ(process.WaitForExit(), 0u);
  EXPECT_EQ(app::test::CountMainWindows(), 0);
}

}  // namespace
}  // namespace app::test
