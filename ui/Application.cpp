#include "ui/Application.h"

#include <shellapi.h>

namespace ui {

namespace {
HWND gMainWindow = nullptr;
HelpHandler& Help() {
  static HelpHandler handler;
  return handler;
}
}  // namespace

void SetMainWindow(HWND hwnd) {
  gMainWindow = hwnd;
}

HWND MainWindow() {
  return gMainWindow;
}

void MinimizeApplication() {
  if (gMainWindow != nullptr) ShowWindow(gMainWindow, SW_MINIMIZE);
}

void SetHelpHandler(HelpHandler handler) {
  Help() = std::move(handler);
}

void ShowHelpPage(const std::string& page) {
  if (Help()) Help()(page);
}

HICON LoadProgramSmallIcon() {
  char path[MAX_PATH] = {};
  if (GetModuleFileNameA(nullptr, path, MAX_PATH) == 0) return nullptr;
  HICON small = nullptr;
  if (ExtractIconExA(path, 0, nullptr, &small, 1) == 0 || small == nullptr) {
    // A copy, so the caller may destroy it like an extracted one.
    return CopyIcon(LoadIcon(nullptr, IDI_APPLICATION));
  }
  return small;
}

}  // namespace ui
