#include "deploy/Restart.h"

#include <windows.h>

#include "deploy/Activation.h"
#include "win/MessagePump.h"
#include "win/SystemFacts.h"

namespace deploy {

namespace {

bool RebootWindows() {
  return ExitWindowsEx(EWX_REBOOT, 0) != 0;
}

bool StartShellFile(const std::string& path) {
  return WinExec(path.c_str(), SW_SHOW) > 31;
}

RebootFunction rebootFunction = RebootWindows;
ShellStarter shellStarter = StartShellFile;

void EnableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return;
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid))
    AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
  CloseHandle(token);
}

}  // namespace

RebootFunction SetRebootFunction(RebootFunction reboot) {
  RebootFunction before = rebootFunction;
  rebootFunction = reboot ? reboot : RebootWindows;
  return before;
}

ShellStarter SetShellStarter(ShellStarter starter) {
  ShellStarter before = shellStarter;
  shellStarter = starter ? starter : StartShellFile;
  return before;
}

void RestartShell(const std::string& path) {
  SetShell(path);
  if (HWND shell = FindWindowA("Progman", nullptr)) {
    PostMessageA(shell, WM_QUIT, 0, 0);
    // The old shell may take a while to go; this program's windows keep
    // painting meanwhile. There is no time limit: a new shell must not start
    // beside the old one.
    while (FindWindowA("Progman", nullptr)) {
      win::ProcessMessages();
      Sleep(20);
    }
  }
  shellStarter(path);
}

bool RestartWindows() {
  if (win::PlatformFamily() == win::kPlatformNT) EnableShutdownPrivilege();
  return rebootFunction();
}

}  // namespace deploy
