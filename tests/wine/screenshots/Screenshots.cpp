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

  app::TXPEdition xp;
  SaveForm(xp, main.Handle(), "xp-edition");
  app::TTwoKEdition twoK;
  SaveForm(twoK, main.Handle(), "2k-edition");
  app::AboutWindow about;
  SaveForm(about, main.Handle(), "about");
  startbutton::StartButtonWindow startButton;
  SaveForm(startButton, main.Handle(), "start-button");
  SaveForm(startButton.ApplyChoice(), startButton.Hwnd(), "apply-choice");
  SaveForm(startButton.RestoreChoice(), startButton.Hwnd(), "restore-choice");
  SaveForm(startButton.RightClickMenu(), startButton.Hwnd(), "right-click-menu");
  return gFailures == 0 ? 0 : 1;
}
