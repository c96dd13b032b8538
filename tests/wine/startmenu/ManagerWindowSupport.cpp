#include "tests/wine/startmenu/ManagerWindowSupport.h"

// After <windows.h>, which it needs.
#include <commctrl.h>

#include <sstream>
#include <vector>

#include "app/MainWindow.h"
#include "startmenu/StartMenuWindow_win.h"
#include "tests/robot/Robot.h"
#include "ui/Control.h"

namespace startmenu::test {

startmenu::StartMenuWindow* OpenClassicManager(app::MainWindow& main) {
  robot::Click(main.Get<ui::Control>("bSMmgr").Hwnd());
  HWND chooser = nullptr;
  HWND manager = nullptr;
  robot::WaitUntil([&] {
    chooser = FindWindowA("TChooseSMmgr", nullptr);
    manager = FindWindowA("TSMmgr", nullptr);
    return (chooser != nullptr && IsWindowVisible(chooser)) ||
           (manager != nullptr && IsWindowVisible(manager));
  });
  if (chooser != nullptr && IsWindowVisible(chooser)) {
    HWND classic = robot::FindChildByText(chooser, "Classic Start Menu");
    if (classic == nullptr) return nullptr;
    robot::Click(classic);
  }
  if (!robot::WaitForWindow("TSMmgr", "Start Menu Manager")) return nullptr;
  startmenu::StartMenuWindow* mgr = main.StartMenu();
  // Acting before the window has read the shell would be undone by the read.
  if (mgr == nullptr || !robot::WaitUntil([mgr] { return !mgr->Opening(); })) return nullptr;
  return mgr;
}

RECT TreeItemRect(HWND tree, const std::string& path) {
  std::vector<std::string> labels;
  std::stringstream parts(path);
  for (std::string label; std::getline(parts, label, '/');) labels.push_back(label);
  HTREEITEM item = TreeView_GetRoot(tree);
  HTREEITEM match = nullptr;
  for (size_t level = 0; level < labels.size(); ++level) {
    match = nullptr;
    for (; item != nullptr; item = TreeView_GetNextSibling(tree, item)) {
      char text[512] = {};
      TVITEMA tv{};
      tv.mask = TVIF_TEXT;
      tv.hItem = item;
      tv.pszText = text;
      tv.cchTextMax = sizeof text;
      TreeView_GetItem(tree, &tv);
      if (labels[level] == text) {
        match = item;
        break;
      }
    }
    if (match == nullptr) return RECT{};
    if (level + 1 < labels.size()) {
      TreeView_Expand(tree, match, TVE_EXPAND);
      item = TreeView_GetChild(tree, match);
    }
  }
  TreeView_EnsureVisible(tree, match);
  RECT rect{};
  TreeView_GetItemRect(tree, match, &rect, TRUE);
  return rect;
}

}  // namespace startmenu::test
