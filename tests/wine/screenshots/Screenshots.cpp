// Shows each window of the program and saves what the screen shows of it
// as a PNG file in the directory given as the only argument.

#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <string>

#include "app/AboutWindow.h"
#include "app/MainWindow.h"
#include "app/u2kEdition.h"
#include "app/uXPEdition.h"
#include "logos/BootLogoWindow_win.h"
#include "logos/BootPreviewWindow_win.h"
#include "logos/ChooseOsWindow_win.h"
#include "logos/Logo9xWindow_win.h"
#include "startbutton/RightClickMenuWindow.h"
#include "startbutton/StartButtonWindow.h"
#include "tests/robot/Robot.h"
#include "tests/wine/WinePaths.h"
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

// Opens form as the user does (it reads what it shows), saves it, runs
// more steps on the robot's side and closes it again.
void SaveOpened(ui::Form& form, const char* name, const std::function<void()>& more = {}) {
  robot::RobotThread robotThread([&] {
    if (!robot::WaitUntil([&] { return IsWindowVisible(form.Hwnd()) && !form.Opening(); })) {
      std::fprintf(stderr, "screenshots: %s did not open\n", name);
      ++gFailures;
      return;
    }
    Save(form.Hwnd(), name);
    if (more) more();
    PostMessageA(form.Hwnd(), WM_CLOSE, 0, 0);
  });
  form.Execute();
  robotThread.Join();
}

// Saves the window of class className that clicking control opens, then
// closes it with a click on its control closer.
void SaveShownBy(ui::Form& owner, const char* control, ui::Form& shown, const char* className,
                 const char* closer, const char* name, DWORD settleMs = 0) {
  robot::Click(owner.Get<ui::Control>(control).Hwnd());
  if (robot::WaitForWindow(className, nullptr) == nullptr) {
    std::fprintf(stderr, "screenshots: %s did not open\n", name);
    ++gFailures;
    return;
  }
  // An animation runs a few steps first.
  Sleep(settleMs);
  Save(shown.Hwnd(), name);
  robot::Click(shown.Get<ui::Control>(closer).Hwnd());
  robot::WaitUntil([&] { return !IsWindowVisible(shown.Hwnd()); });
}

// The Logos Managers with the machine's own logos: the 9x logo files of the
// fixtures are put where Windows 95/98 keeps them.
void SaveLogosManagers(HWND owner) {
  const std::string fixtures =
      winetest::WindowsPath(winetest::EnvironmentOr("QUORLO_FIXTURES", "")) + "\\";
  logos::Logo9xFolders folders{win::GetBootDrive(), win::GetWindowsDir(), win::GetTempDir()};
  CopyFileA((fixtures + "logo.sys").c_str(), (folders.bootDriveRoot + "logo.sys").c_str(), FALSE);
  CopyFileA((fixtures + "Logos.sys").c_str(), (folders.windowsDirectory + "Logos.sys").c_str(),
            FALSE);
  logos::Logo9xWindow logos9x(folders);
  if (logos9x.CreateForm(owner)) SaveOpened(logos9x, "logos-9x");

  logos::BootLogoWindow bootLogo;
  bootLogo.SetEdition(2);
  if (!bootLogo.CreateForm(owner)) return;
  SaveOpened(bootLogo, "logos-xp2k", [&] {
    SaveShownBy(bootLogo, "bChangeOS", bootLogo.Chooser(), "TChooseOS", "Button2", "choose-os");
    SaveShownBy(bootLogo, "bPreview", bootLogo.Preview(), "TLogoXPPreview", "imgPreview",
                "logo-xp-preview", 900);
  });
  logos::BootPreviewWindow twoK(logos::BootPreviewWindow::Screen::kWindows2000);
  if (!twoK.CreateForm(owner)) return;
  robot::RobotThread robotThread([&] {
    if (robot::WaitForWindow("TLogo2kPreview", nullptr) == nullptr) return;
    robot::PumpMessages(300);
    Save(twoK.Hwnd(), "logo-2k-preview");
    robot::Click(twoK.Get<ui::Control>("imgPreview").Hwnd());
  });
  // The 2000 screen's band over XP's logo: the server logo needs a 2000 machine.
  logos::BootLogoMachine machine = logos::ThisBootLogoMachine(2);
  const std::string picture = win::GetTempDir() + "screenshot-logo.bmp";
  logos::BootEntry entry;
  entry.kernel = "ntoskrnl.exe";
  const logos::BootLogoPicture loaded = logos::LoadBootLogo(machine, entry, picture);
  HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(nullptr, picture.c_str(), IMAGE_BITMAP, 0, 0,
                                                   LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  twoK.ShowPicture(bitmap, loaded.palette, 2);
  robotThread.Join();
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
  SaveLogosManagers(main.Handle());
  return gFailures == 0 ? 0 : 1;
}
