#pragma once
// The Start Menu Manager as the robot reaches it: from the main window's
// button, through the XP chooser when there is one.

#include <windows.h>

#include <string>

namespace app {
class MainWindow;
}
namespace startmenu {
class StartMenuWindow;
}

namespace startmenu::test {

// Robot side: clicks "Start Menu Manager" on the main window; if the chooser
// `TChooseSMmgr` appears, clicks its "Classic Start Menu" button (bClassic);
// then waits until `TSMmgr` has read the shell. nullptr when it did not open.
startmenu::StartMenuWindow* OpenClassicManager(app::MainWindow& main);

// The rectangle of a tree item's label, in the tree's client coordinates;
// empty when the tree has no item of that path (labels from the top).
RECT TreeItemRect(HWND tree, const std::string& path);

}  // namespace startmenu::test
