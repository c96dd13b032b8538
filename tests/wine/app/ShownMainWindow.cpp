#include "tests/wine/app/ShownMainWindow.h"

#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>

#include "app/MainWindow.h"
#include "win/SystemFacts.h"

namespace app::test {

app::MainWindow* ShowMainWindow() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  auto* main = new app::MainWindow;
  if (!main->Create(GetModuleHandleA(nullptr), win::WindowsVersion())) {
    delete main;
    return nullptr;
  }
  ShowWindow(main->Handle(), SW_SHOW);
  return main;
}

}  // namespace app::test
