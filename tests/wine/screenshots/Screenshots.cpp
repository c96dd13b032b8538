// Shows each window of the program and saves what the screen shows of it
// as a PNG file in the directory given as the only argument, with the list
// of pictures (gallery.tsv) that scripts/screenshots turns into the README's
// gallery.
//
// The program carries Quorlo.exe's icon (Screenshots.rc): every window's
// heading shows the running program's small icon, and without one Windows
// draws its blank default application icon there.

#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <typeindex>

#include "app/AboutWindow.h"
#include "app/MainWindow.h"
#include "app/u2kEdition.h"
#include "app/uXPEdition.h"
#include "icons/IconManagerWindow_win.h"
#include "icons/IconProgressWindow_win.h"
#include "logon/LogonDialogsWindow_win.h"
#include "logos/BootLogoWindow_win.h"
#include "logos/BootPreviewWindow_win.h"
#include "logos/ChooseOsWindow_win.h"
#include "logos/Logo9xWindow_win.h"
#include "startbutton/RightClickMenuWindow.h"
#include "startbutton/StartButtonWindow.h"
#include "startmenu/StartMenuChooser_win.h"
#include "startmenu/StartMenuWindow_win.h"
#include "startmenu/VerticalLogoPreview_win.h"
#include "startmenu/XPStartMenuWindow_win.h"
#include "tests/robot/Robot.h"
#include "tests/wine/WinePaths.h"
#include "win/SystemFacts.h"

namespace {

// How the gallery makes a window of class W: most take nothing.
template <class W>
std::unique_ptr<W> Make() {
  return std::make_unique<W>();
}

// The banner of XP Professional, the machine's version, named here rather
// than asked: asking may show the edition chooser, and nobody answers it.
template <>
std::unique_ptr<startmenu::StartMenuWindow> Make() {
  return std::make_unique<startmenu::StartMenuWindow>(167);
}

// The windows opened so far: the main window, and one of each window class
// the list asks for, created on first use with the main window as owner.
class Windows {
 public:
  explicit Windows(app::MainWindow& main) : main_(main) {}

  app::MainWindow& Main() { return main_; }

  template <class W>
  W& Get() {
    std::unique_ptr<ui::Form>& slot = windows_[std::type_index(typeid(W))];
    if (!slot) {
      slot = Make<W>();
      slot->CreateForm(main_.Handle());
    }
    return static_cast<W&>(*slot);
  }

  // A control left in its hover state, to leave after the picture.
  HWND hovered = nullptr;

 private:
  app::MainWindow& main_;
  std::map<std::type_index, std::unique_ptr<ui::Form>> windows_;
};

// What a row opens: the form to show and its owner, or (form null) a
// window already on screen.
struct Shown {
  ui::Form* form;
  HWND owner;
  HWND window;
};

// A window of its own, owned by the main window.
template <class W>
Shown Top(Windows& windows) {
  return {&windows.Get<W>(), windows.Main().Handle(), nullptr};
}

template <class>
struct MemberOf;
template <class W, class D>
struct MemberOf<D& (W::*)() const> {
  using Window = W;
};

// A window that belongs to another (a manager's choice dialog, its
// sub-windows), reached through the owner's accessor and owned by it.
template <auto part>
Shown Part(Windows& windows) {
  using W = typename MemberOf<decltype(part)>::Window;
  W& owner = windows.Get<W>();
  return {&(owner.*part)(), owner.Hwnd(), nullptr};
}

Shown MainWindowShot(Windows& windows) {
  return {nullptr, nullptr, windows.Main().Handle()};
}

// A manager button under the pointer: its texts and its hover colours.
Shown MainWindowHover(Windows& windows) {
  windows.hovered = windows.Main().Get<ui::Control>("bSBmgr").Hwnd();
  robot::MoveMouseTo(windows.hovered, 20, 10);
  return MainWindowShot(windows);
}

struct Shot;
void SaveStartMenuLogoPreview(Windows& windows, const Shot& shot);

// One picture of the gallery.
struct Shot {
  const char* file;   // docs/screenshots/<file>.png
  const char* group;  // the gallery's row heading: the manager it belongs to
  const char* title;  // what the picture shows
  Shown (*open)(Windows&);
  // Instead of open, for a window its manager fills only when the user asks:
  // opens the manager, takes the picture and closes both.
  void (*save)(Windows&, const Shot&) = nullptr;
};

// The gallery, in the README's order. One row per window:
//   {"file-name", "Manager", "What it shows", Top<WindowClass>},
// Top<W> shows a window of class W owned by the main window;
// Part<&W::Accessor> shows the window W's accessor returns (a choice dialog,
// a sub-window), owned by W; a row with a save function of its own names
// no open function. Rows of one manager stay together.
const Shot kShots[] = {
    {"main", "Main window", "Main window", MainWindowShot},
    {"main-hover", "Main window", "A manager button under the pointer", MainWindowHover},
    {"about", "Main window", "About", Top<app::AboutWindow>},
    {"xp-edition", "Main window", "Windows XP edition chooser", Top<app::TXPEdition>},
    {"2k-edition", "Main window", "Windows 2000 edition chooser", Top<app::TTwoKEdition>},
    {"start-button", "Start Button Manager", "Start Button Manager",
     Top<startbutton::StartButtonWindow>},
    {"start-button-apply-choice", "Start Button Manager", "Apply choice",
     Part<&startbutton::StartButtonWindow::ApplyChoice>},
    {"start-button-restore-choice", "Start Button Manager", "Restore choice",
     Part<&startbutton::StartButtonWindow::RestoreChoice>},
    {"start-button-right-click-menu", "Start Button Manager", "Right-click menu",
     Part<&startbutton::StartButtonWindow::RightClickMenu>},
    {"start-menu", "Start Menu Manager", "Start Menu Manager", Top<startmenu::StartMenuWindow>},
    {"start-menu-apply-choice", "Start Menu Manager", "Apply choice",
     Part<&startmenu::StartMenuWindow::ApplyChoice>},
    {"start-menu-restore-choice", "Start Menu Manager", "Restore choice",
     Part<&startmenu::StartMenuWindow::RestoreChoice>},
    {"start-menu-logo-preview", "Start Menu Manager", "Vertical logo preview", nullptr,
     SaveStartMenuLogoPreview},
    {"start-menu-chooser", "Start Menu Manager", "Start Menu chooser (Windows XP)",
     Top<startmenu::StartMenuChooser>},
    {"xp-start-menu", "Start Menu Manager", "XP Start Menu Manager",
     Top<startmenu::XPStartMenuWindow>},
};

std::string WindowsDirectory(std::string directory) {
  for (char& c : directory) {
    if (c == '/') c = '\\';
  }
  // A Unix path reaches the program through Wine's Z: drive.
  if (!directory.empty() && directory[0] == '\\') directory = "Z:" + directory;
  return directory;
}

// The picture is what the screen shows, so the window and its controls
// paint first (sent to the window's own thread when called from beside it).
bool Save(HWND hwnd, const std::string& path) {
  RedrawWindow(hwnd, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Sleep(200);
  const robot::Capture capture = robot::CaptureWindow(hwnd);
  return !capture.empty() && robot::SavePng(capture, path);
}

// Where the pictures go, and the gallery's list of them.
struct Gallery {
  std::string directory;
  std::FILE* list = nullptr;
  int failures = 0;

  void Record(HWND hwnd, const char* file, const char* group, const char* title) {
    const std::string path = directory + "\\" + file + ".png";
    if (hwnd != nullptr && Save(hwnd, path)) {
      std::fprintf(list, "%s\t%s\t%s\n", file, group, title);
      std::printf("%s\n", path.c_str());
    } else {
      std::fprintf(stderr, "screenshots: could not save %s\n", path.c_str());
      ++failures;
    }
  }
  void Missing(const char* file) {
    std::fprintf(stderr, "screenshots: %s did not open\n", file);
    ++failures;
  }
};

Gallery gGallery;
constexpr char kLogosGroup[] = "Logos Manager";

// Opens form as the user does (it reads what it shows), saves it, runs
// more steps on the robot's side and closes it again.
void SaveOpened(ui::Form& form, const char* name, const char* title,
                const std::function<void()>& more = {}) {
  robot::RobotThread robotThread([&] {
    if (!robot::WaitUntil([&] { return IsWindowVisible(form.Hwnd()) && !form.Opening(); })) {
      gGallery.Missing(name);
      return;
    }
    gGallery.Record(form.Hwnd(), name, kLogosGroup, title);
    if (more) more();
    PostMessageA(form.Hwnd(), WM_CLOSE, 0, 0);
  });
  form.Execute();
  robotThread.Join();
}

// Saves the window of class className that clicking control opens, then
// closes it with a click on its control closer.
void SaveShownBy(ui::Form& owner, const char* control, ui::Form& shown, const char* className,
                 const char* closer, const char* name, const char* title, DWORD settleMs = 0) {
  robot::Click(owner.Get<ui::Control>(control).Hwnd());
  if (robot::WaitForWindow(className, nullptr) == nullptr) {
    gGallery.Missing(name);
    return;
  }
  // An animation runs a few steps first.
  Sleep(settleMs);
  gGallery.Record(shown.Hwnd(), name, kLogosGroup, title);
  robot::Click(shown.Get<ui::Control>(closer).Hwnd());
  robot::WaitUntil([&] { return !IsWindowVisible(shown.Hwnd()); });
}

// The preview shows the shell's banner only when "Preview..." asks for it.
void SaveStartMenuLogoPreview(Windows& windows, const Shot& shot) {
  startmenu::StartMenuWindow& manager = windows.Get<startmenu::StartMenuWindow>();
  ui::Form& preview = manager.LogoPreview();
  robot::RobotThread beside([&] {
    if (robot::WaitUntil([&] { return IsWindowVisible(manager.Hwnd()) && !manager.Opening(); })) {
      robot::Click(manager.Get<ui::Control>("bVLPreview").Hwnd());
      if (robot::WaitUntil([&] { return IsWindowVisible(preview.Hwnd()) != FALSE; })) {
        gGallery.Record(preview.Hwnd(), shot.file, shot.group, shot.title);
        robot::Click(preview.Get<ui::Control>("bClose").Hwnd());
        robot::WaitUntilGone(preview.Hwnd());
      } else {
        gGallery.Missing(shot.file);
      }
    } else {
      gGallery.Missing(shot.file);
    }
    PostMessageA(manager.Hwnd(), WM_CLOSE, 0, 0);
  });
  manager.Execute();
  beside.Join();
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
  if (logos9x.CreateForm(owner)) SaveOpened(logos9x, "logos-9x", "Windows 95/98/Millennium logos");

  logos::BootLogoWindow bootLogo;
  bootLogo.SetEdition(2);
  if (!bootLogo.CreateForm(owner)) return;
  SaveOpened(bootLogo, "logos-xp2k", "Windows 2000/XP start-up logo", [&] {
    SaveShownBy(bootLogo, "bChangeOS", bootLogo.Chooser(), "TChooseOS", "Button2", "choose-os",
                "Operating system chooser");
    SaveShownBy(bootLogo, "bPreview", bootLogo.Preview(), "TLogoXPPreview", "imgPreview",
                "logo-xp-preview", "Windows XP start-up preview", 900);
  });
  logos::BootPreviewWindow twoK(logos::BootPreviewWindow::Screen::kWindows2000);
  if (!twoK.CreateForm(owner)) return;
  robot::RobotThread robotThread([&] {
    if (robot::WaitForWindow("TLogo2kPreview", nullptr) == nullptr) return;
    robot::PumpMessages(300);
    gGallery.Record(twoK.Hwnd(), "logo-2k-preview", kLogosGroup, "Windows 2000 start-up preview");
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

// The Logon Dialogs Manager shows the library's pictures only once opened,
// so it is opened for real and each tab is shown in turn.

void SaveLogonDialogs(HWND owner) {
  logon::LogonDialogsWindow logonDialogs(win::WindowsVersion());
  logonDialogs.SetEdition(2);
  if (!logonDialogs.CreateForm(owner)) {
    gGallery.Missing("logon-dialogs-normal");
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
    const char* titles[] = {"Logon Dialogs Manager: \"Logon dialog\" tab",
                            "\"Logon in progress\" tab", "\"Animation\" tab"};
    for (int tab = 0; tab < 3; ++tab) {
      RECT item{};
      SendMessageA(tabs, TCM_GETITEMRECT, tab, reinterpret_cast<LPARAM>(&item));
      robot::ClickAt(tabs, (item.left + item.right) / 2, (item.top + item.bottom) / 2);
      robot::WaitUntil([&] { return SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == tab; });
      SetCursorPos(0, 0);
      gGallery.Record(logonDialogs.Hwnd(), names[tab], "Logon Dialogs Manager", titles[tab]);
    }
    robot::Click(logonDialogs.Get<ui::Control>("bCancel").Hwnd());
  });
  logonDialogs.Execute();
  if (!steps.Join()) gGallery.Missing("logon-dialogs-normal");
}

// The Icon Manager as its opening leaves it, with the catalogue read and a
// node chosen, and its progress window on its own.
void SaveIconManager(app::MainWindow& main) {
  constexpr char kGroup[] = "Icon Manager";
  robot::RunBeside([&] {
    robot::Click(main.Get<ui::Control>("bImgr").Hwnd());
    const HWND window = robot::WaitForWindow("TIconMgr", "Icon Manager");
    icons::IconManagerWindow* icons = main.IconManager();
    if (window != nullptr && icons != nullptr &&
        robot::WaitUntil([icons] { return !icons->Opening(); })) {
      robot::SelectTreeItem(icons->Get<ui::Control>("IconTree").Hwnd(), {"Drives", "Hard Drive"});
      gGallery.Record(icons->Hwnd(), "icon-manager", kGroup, "Icon Manager");
      icons->Progress().ShowModeless();
      gGallery.Record(icons->Progress().Hwnd(), "icon-progress", kGroup,
                      "Reading the icons (progress window)");
      ShowWindow(icons->Progress().Hwnd(), SW_HIDE);
    } else {
      gGallery.Missing("icon-manager");
    }
    // Closed in any case: its modal loop runs inside this one.
    if (window != nullptr) {
      DWORD_PTR result = 0;
      SendMessageTimeoutA(window, WM_CLOSE, 0, 0, SMTO_NORMAL, robot::kDefaultWaitMs, &result);
    }
  });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: quorlo_screenshots DIRECTORY\n");
    return 2;
  }
  const std::string directory = WindowsDirectory(argv[1]);
  CreateDirectoryA(directory.c_str(), nullptr);
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
  Windows windows(main);

  gGallery.directory = directory;
  gGallery.list = std::fopen((directory + "\\gallery.tsv").c_str(), "w");
  if (gGallery.list == nullptr) {
    std::fprintf(stderr, "screenshots: cannot write %s\\gallery.tsv\n", directory.c_str());
    return 1;
  }
  for (const Shot& shot : kShots) {
    if (shot.save != nullptr) {
      shot.save(windows, shot);
      continue;
    }
    const Shown shown = shot.open(windows);
    if (shown.form == nullptr) {
      robot::PumpMessages(200);
      gGallery.Record(shown.window, shot.file, shot.group, shot.title);
    } else {
      ui::Form& form = *shown.form;
      if (form.Hwnd() == nullptr && !form.CreateForm(shown.owner)) {
        gGallery.Missing(shot.file);
        continue;
      }
      // Opened as the program opens it (modal, after reading what it
      // shows); the picture is taken from beside, then the window closed.
      robot::RobotThread beside([&] {
        if (!robot::WaitUntil([&] { return IsWindowVisible(form.Hwnd()) && !form.Opening(); })) {
          gGallery.Missing(shot.file);
          return;
        }
        gGallery.Record(form.Hwnd(), shot.file, shot.group, shot.title);
        PostMessageA(form.Hwnd(), WM_CLOSE, 0, 0);
      });
      form.Execute();
      beside.Join();
    }
    if (windows.hovered != nullptr) {
      robot::MouseLeave(windows.hovered);
      windows.hovered = nullptr;
      SetCursorPos(0, 0);
    }
  }
  // The Logos Managers open their choosers and previews from inside.
  SaveLogosManagers(main.Handle());
  SaveLogonDialogs(main.Handle());
  SaveIconManager(main);
  std::fclose(gGallery.list);
  return gGallery.failures == 0 ? 0 : 1;
}
