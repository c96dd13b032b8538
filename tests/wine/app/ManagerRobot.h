#pragma once
// The scenarios of the managers: their fixture (the program's main window
// and a clean shell for each case), and the robot's steps on the program's
// own windows: controls by name, message boxes answered, the choice dialogs
// answered, a window seen to close.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "ui/ChoiceDialog.h"
#include "ui/Form.h"

namespace app {
class MainWindow;
}

namespace app::test {

// The main window is made once for the suite; each case starts from
// Windows' own shell, and the last steps of a write (a shell started,
// Windows restarted) are recorded instead of taken.
class ManagerScenario : public testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  static app::MainWindow* main_;
  // During the case: the shell file started, and how often Windows was restarted.
  static std::string startedShell;
  static int reboots;
};

HWND ControlOf(const ui::Form& form, const char* name);
std::string ControlText(const ui::Form& form, const char* name);

// Waits for dialog to show, checks option and presses button; true once the
// dialog has closed.
bool Choose(ui::ChoiceDialog& dialog, const char* option, const char* button);

// Whether the window is hidden (closed) within the robot's wait.
bool Hidden(const ui::Form& form);

// Saves what the screen shows of windows as PNG files in the build's
// "screenshots" directory, for a look beside the descriptions of their controls.
class ScreenshotSaver {
 public:
  ScreenshotSaver();
  void Save(HWND hwnd, const char* name);
  // The pictures that could not be saved.
  const std::vector<std::string>& Failed() const { return failed_; }

 private:
  std::string directory_;
  std::vector<std::string> failed_;
};

}  // namespace app::test
