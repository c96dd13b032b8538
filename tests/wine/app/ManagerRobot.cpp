#include "tests/wine/app/ManagerRobot.h"

// After <windows.h>, which it needs.
#include <commctrl.h>

#include "app/MainWindow.h"
#include "deploy/Restart.h"
#include "tests/robot/Robot.h"
#include "tests/wine/WinePaths.h"
#include "tests/wine/app/ShownMainWindow.h"
#include "tests/wine/startbutton/StartButtonTestSupport.h"
#include "win/SystemFacts.h"

namespace app::test {

app::MainWindow* ManagerScenario::main_ = nullptr;
std::string ManagerScenario::startedShell;
int ManagerScenario::reboots = 0;

void ManagerScenario::SetUpTestSuite() {
  main_ = app::test::ShowMainWindow();
  ASSERT_NE(main_, nullptr);
}

void ManagerScenario::SetUp() {
  startbutton::test::ResetShell();
  startedShell.clear();
  reboots = 0;
  deploy::SetShellStarter([](const std::string& path) {
    startedShell = path;
    return true;
  });
  deploy::SetRebootFunction([] {
    ++reboots;
    return true;
  });
}

void ManagerScenario::TearDown() {
  deploy::SetShellStarter(nullptr);
  deploy::SetRebootFunction(nullptr);
  startbutton::test::ResetShell();
}

HWND ControlOf(const ui::Form& form, const char* name) {
  return form.Get<ui::Control>(name).Hwnd();
}

std::string ControlText(const ui::Form& form, const char* name) {
  return robot::WindowText(ControlOf(form, name));
}

bool Choose(ui::ChoiceDialog& dialog, const char* option, const char* button) {
  // The dialog itself, not any window of its class: two managers may each keep one.
  if (!robot::WaitUntil([&] { return IsWindowVisible(dialog.Hwnd()) != FALSE; })) return false;
  const HWND radio = ControlOf(dialog, option);
  robot::Click(radio);
  robot::WaitUntil([&] { return SendMessageA(radio, BM_GETCHECK, 0, 0) == BST_CHECKED; });
  robot::Click(ControlOf(dialog, button));
  return robot::WaitUntil([&] { return !IsWindowVisible(dialog.Hwnd()); });
}

bool Hidden(const ui::Form& form) {
  return robot::WaitUntilGone(form.Hwnd());
}

ScreenshotSaver::ScreenshotSaver() : directory_(winetest::BuildDirectory() + "screenshots") {
  CreateDirectoryA(directory_.c_str(), nullptr);
}

void ScreenshotSaver::Save(HWND hwnd, const char* name) {
  // The window paints itself first.
  robot::PumpMessages(300);
  const robot::Capture capture = robot::CaptureWindow(hwnd);
  const std::string path = directory_ + "\\" + name + ".png";
  if (capture.empty() || !robot::SavePng(capture, path)) failed_.push_back(path);
}

}  // namespace app::test
