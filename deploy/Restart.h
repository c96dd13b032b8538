#pragma once
// Making a new shell take effect: at once, by replacing the running shell,
// or by restarting Windows. The two steps that would end the test session
// (the reboot itself and starting a shell file) are replaceable, so tests
// exercise everything up to them.

#include <string>

namespace deploy {

// SetShell(path); asks the running shell (the top-level "Progman" window) to
// quit and keeps this program's windows alive until it has gone; then starts
// path.
void RestartShell(const std::string& path);

// Enables the shutdown privilege on the NT family and reboots Windows; the
// result of ExitWindowsEx. The question before it is the window's
// (ui::AskToRestart).
bool RestartWindows();

using RebootFunction = bool (*)();
using ShellStarter = bool (*)(const std::string& path);

// Replace the final steps; null puts Windows' own back. Returns the one before.
RebootFunction SetRebootFunction(RebootFunction reboot);
ShellStarter SetShellStarter(ShellStarter starter);

}  // namespace deploy
