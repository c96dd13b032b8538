// Shows each window of the program and saves what the screen shows of it
// as a PNG file in the directory given as the only argument.

#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "app/AboutWindow.h"
#include "app/MainWindow.h"
#include "app/u2kEdition.h"
#include "app/uXPEdition.h"
#include "logon/LogonDialogsWindow_win.h"
#include "startbutton/RightClickMenuWindow.h"
#include "startbutton/StartButtonWindow.h"
#include "tests/robot/Robot.h"
#include "win/SystemFacts.h"

namespace {

std::string gDirectory;
int gFailures = 0;

void Save(HWND hwnd, const char* name) {
  robot::PumpMessages(200);
  const robot::Capture capture = robot::CaptureWindow(hwnd);
  const std::string path = gDirectory + "\\" + name + ".png";
  if (capture.empty() || !robot::SavePng(capture, path)) {
    std::fprintf(stderr, "screenshots: could not save %s\n", path.c_str());
    ++gFailures;
    return;
  }
  std::printf("%s\n", path.c_str());
}

void SaveForm(ui::Form& form, HWND owner, const char* name) {
  if (!form.CreateForm(owner)) {
    std::fprintf(stderr, "screenshots: could not create %s\n", name);
    ++gFailures;
    return;
  }
  form.ShowModeless();
  Save(form.Hwnd(), name);
  ShowWindow(form.Hwnd(), SW_HIDE);
}

// The Logon Dialogs Manager shows the library's pictures only once opened,
// so it is opened for real and each tab is shown in turn.
void SaveLogonDialogs(HWND owner) {
  logon::LogonDialogsWindow logonDialogs(win::WindowsVersion());
  logonDialogs.SetEdition(2);
  if (!logonDialogs.CreateForm(owner)) {
    std::fprintf(stderr, "screenshots: could not create logon-dialogs\n");
    ++gFailures;
    return;
  }
  robot::RobotThread steps([&] {
    if (!robot::WaitForWindow("TLogonDlgMgr", nullptr) ||
        !robot::WaitUntil([&] { return !logonDialogs.Opening(); })) {
      return;
    }
    const HWND tabs = logonDialogs.Get<ui::Control>("PageControl1").Hwnd();
    const char* names[] = {"logon-dialogs-normal", "logon-dialogs-progress",
                           "logon-dialogs-animation"};
    for (int tab = 0; tab < 3; ++tab) {
      RECT item{};
      SendMessageA(tabs, TCM_GETITEMRECT, tab, reinterpret_cast<LPARAM>(&item));
      robot::ClickAt(tabs, (item.left + item.right) / 2, (item.top + item.bottom) / 2);
      robot::WaitUntil([&] { return SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == tab; });
      SetCursorPos(0, 0);
      Save(logonDialogs.Hwnd(), names[tab]);
    }
    robot::Click(logonDialogs.Get<ui::Control>("bCancel").Hwnd());
  });
  logonDialogs.Execute();
  if (!steps.Join()) ++gFailures;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: quorlo_screenshots DIRECTORY\n");
    return 2;
  }
  gDirectory = argv[1];
  for (char& c : gDirectory) {
    if (c == '/') c = '\\';
  }
  // A Unix path reaches the program through Wine's Z: drive.
  if (!gDirectory.empty() && gDirectory[0] == '\\') gDirectory = "Z:" + gDirectory;
  CreateDirectoryA(gDirectory.c_str(), nullptr);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  // The pointer stays out of the way, so no control shows its hover state.
  SetCursorPos(0, 0);

  app::MainWindow main;
  if (!main.Create(GetModuleHandleA(nullptr), win::WindowsVersion())) {
    std::fprintf(stderr, "screenshots: no main window\n");
    return 1;
  }
  ShowWindow(main.Handle(), SW_RESTORE);
  Save(main.Handle(), "main");
  // Hovering a manager button: its texts and its hover colours.
  HWND button = main.Get<ui::Control>("bSBmgr").Hwnd();
  robot::MoveMouseTo(button, 20, 10);
  Save(main.Handle(), "main-hover");
  robot::MouseLeave(button);

  TXPEdition xp;
  SaveForm(xp, main.Handle(), "xp-edition");
  TTwoKEdition twoK;
  SaveForm(twoK, main.Handle(), "2k-edition");
  app::AboutWindow about;
  SaveForm(about, main.Handle(), "about");
  startbutton::StartButtonWindow startButton;
  SaveForm(startButton, main.Handle(), "start-button");
  SaveForm(startButton.ApplyChoice(), startButton.Hwnd(), "apply-choice");
  SaveForm(startButton.RestoreChoice(), startButton.Hwnd(), "restore-choice");
  SaveForm(startButton.RightClickMenu(), startButton.Hwnd(), "right-click-menu");
  SaveLogonDialogs(main.Handle());
  return gFailures == 0 ? 0 : 1;
}
