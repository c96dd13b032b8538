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
#include <map>
#include <memory>
#include <string>
#include <typeindex>

#include "app/AboutWindow.h"
#include "app/MainWindow.h"
#include "app/u2kEdition.h"
#include "app/uXPEdition.h"
#include "startbutton/RightClickMenuWindow.h"
#include "startbutton/StartButtonWindow.h"
#include "startmenu/StartMenuWindow_win.h"
#include "startmenu/VerticalLogoPreview_win.h"
#include "startmenu/StartMenuChooser_win.h"
#include "startmenu/XPStartMenuWindow_win.h"
#include "tests/robot/Robot.h"
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

// One picture of the gallery.
struct Shot {
  const char* file;   // docs/screenshots/<file>.png
  const char* group;  // the gallery's row heading: the manager it belongs to
  const char* title;  // what the picture shows
  Shown (*open)(Windows&);
};

// The gallery, in the README's order. One row per window:
//   {"file-name", "Manager", "What it shows", Top<WindowClass>},
// Top<W> shows a window of class W owned by the main window;
// Part<&W::Accessor> shows the window W's accessor returns (a choice dialog,
// a sub-window), owned by W. Rows of one manager stay together.
const Shot kShots[] = {
    {"main", "Main window", "Main window", MainWindowShot},
    {"main-hover", "Main window", "A manager button under the pointer", MainWindowHover},
    {"about", "Main window", "About", Top<app::AboutWindow>},
    {"xp-edition", "Main window", "Windows XP edition chooser", Top<TXPEdition>},
    {"2k-edition", "Main window", "Windows 2000 edition chooser", Top<TTwoKEdition>},
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
    {"start-menu-logo-preview", "Start Menu Manager", "Vertical logo preview",
     Part<&startmenu::StartMenuWindow::LogoPreview>},
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

  std::FILE* list = std::fopen((directory + "\\gallery.tsv").c_str(), "w");
  if (list == nullptr) {
    std::fprintf(stderr, "screenshots: cannot write %s\\gallery.tsv\n", directory.c_str());
    return 1;
  }
  int failures = 0;
  for (const Shot& shot : kShots) {
    const std::string path = directory + "\\" + shot.file + ".png";
    const Shown shown = shot.open(windows);
    bool saved = false;
    if (shown.form == nullptr) {
      robot::PumpMessages(200);
      saved = Save(shown.window, path);
    } else {
      ui::Form& form = *shown.form;
      if (form.Hwnd() == nullptr && !form.CreateForm(shown.owner)) {
        std::fprintf(stderr, "screenshots: could not create %s\n", shot.file);
        ++failures;
        continue;
      }
      // Opened as the program opens it (modal, after reading what it
      // shows); the picture is taken from beside, then the window closed.
      robot::RobotThread beside([&] {
        if (!robot::WaitUntil([&] { return IsWindowVisible(form.Hwnd()) && !form.Opening(); }))
          return;
        saved = Save(form.Hwnd(), path);
        PostMessageA(form.Hwnd(), WM_CLOSE, 0, 0);
      });
      form.Execute();
      beside.Join();
    }
    if (saved) {
      std::fprintf(list, "%s\t%s\t%s\n", shot.file, shot.group, shot.title);
      std::printf("%s\n", path.c_str());
    } else {
      std::fprintf(stderr, "screenshots: could not save %s\n", path.c_str());
      ++failures;
    }
    if (windows.hovered != nullptr) {
      robot::MouseLeave(windows.hovered);
      windows.hovered = nullptr;
      SetCursorPos(0, 0);
    }
  }
  std::fclose(list);
  return failures == 0 ? 0 : 1;
}
