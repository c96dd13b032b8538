// Program entry: the restore-all branch, the single-instance rule, the main
// window and its message loop. Every path ends with exit code 0.

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/RestoreAll.h"
#include "app/SingleInstance.h"
#include "help/HelpTopic.h"
#include "help/HookHelpSystem.h"
#include "imaging/StartupProbes.h"
#include "ui/MessageBox.h"
#include "win/MessagePump.h"
#include "win/Paths.h"
#include "win/SystemFacts.h"

namespace app {
namespace {

// The C runtime has already split the command line the way the program's
// users expect (quotes group, the program name first).
std::vector<std::string> ProgramArguments() {
  std::vector<std::string> arguments;
  for (int i = 1; i < __argc; ++i) arguments.emplace_back(__argv[i]);
  return arguments;
}

int Run(HINSTANCE instance) {
  const std::vector<std::string> arguments = ProgramArguments();
  const std::string programDirectory = win::ExecutableDirectory();
  help::SetHelpFilePath(programDirectory + help::kHelpFileName);
  help::THookHelpSystem helpSystem(
      help::HelpFilePath(), std::string(), help::THookHelpSystem::DisplayMode::HtmlHelp,
      help::DiagnosticLogPath(programDirectory, arguments),
      [](const std::string& text, const std::string& caption) {
        ui::ShowMessageBox(text, caption, MB_OK | MB_ICONWARNING, nullptr);
      });
  help::SetActiveHelpSystem(&helpSystem);

  const int version = win::WindowsVersion();
  if (IsRestoreAllRequest(arguments)) {
    RunRestoreAll(version);
  } else if (AnotherInstanceRuns()) {
    SignalRunningInstance();
  } else {
    // Before any window opens, as the JPEG library expects its hint then.
    imaging::RunStartupProbes();
    MainWindow mainWindow;
    if (mainWindow.Create(instance, version) && !mainWindow.TerminationRequested()) {
      ShowWindow(mainWindow.Handle(), SW_RESTORE);
      UpdateWindow(mainWindow.Handle());
      win::RunMessageLoop();
    }
    // Still open after a failed check: ended while the object is whole.
    mainWindow.Destroy();
    imaging::EndStartupProbes();
  }

  help::SetActiveHelpSystem(nullptr);
  return 0;
}

}  // namespace
}  // namespace app

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return app::Run(instance);
}
