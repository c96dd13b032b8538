// Program entry: the restore-all branch, the single-instance rule, the main
// window and its message loop. Every path ends with exit code 0.

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/Constants.h"
#include "app/RestoreAll.h"
#include "app/SingleInstance.h"
#include "app/Utils.h"
#include "app/uMain.h"
#include "help/HookHelpSystem.h"
#include "imaging/StartupProbes.h"
#include "win/Paths.h"

namespace {

// The C runtime has already split the command line the way the program's
// users expect (quotes group, the program name first).
std::vector<std::string> ProgramArguments() {
  std::vector<std::string> arguments;
  for (int i = 1; i < __argc; ++i) arguments.emplace_back(__argv[i]);
  return arguments;
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const std::vector<std::string> arguments = ProgramArguments();
  const std::string programDirectory = win::ExecutableDirectory();
  SetHelpFilePath(programDirectory + kHelpFileName);
  THookHelpSystem help(HelpFilePath(), std::string(), THookHelpSystem::DisplayMode::HtmlHelp,
                       DiagnosticLogPath(programDirectory, arguments));
  SetActiveHelpSystem(&help);

  const int version = WindowsVersion();
  if (IsRestoreAllRequest(arguments)) {
    RunRestoreAll(version);
  } else if (AnotherInstanceRuns()) {
    SignalRunningInstance();
  } else {
    // Before any window opens, as the JPEG library expects its hint then.
    imaging::RunStartupProbes();
    TfMain mainWindow;
    if (mainWindow.Create(instance, version) && !mainWindow.TerminationRequested()) {
      ShowWindow(mainWindow.Handle(), SW_RESTORE);
      UpdateWindow(mainWindow.Handle());
      RunMessageLoop();
    }
    imaging::EndStartupProbes();
  }

  SetActiveHelpSystem(nullptr);
  return 0;
}
