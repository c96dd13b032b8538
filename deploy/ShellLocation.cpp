#include "deploy/ShellLocation.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <functional>

#include "core/Text.h"
#include "deploy/Activation.h"
#include "deploy/XPStartMenuKeys.h"
#include "win/Ini.h"
#include "win/Paths.h"
#include "win/RegistryKey.h"
#include "win/SystemFacts.h"

namespace deploy {

std::string CurrentShellPath;

namespace {

constexpr char kDefaultShell[] = "Explorer.exe";

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

// The candidate is free when no file has the name, or when the file there is
// an older copy that can be deleted because nothing holds it any more.
bool NameIsFree(const std::string& candidate) {
  if (GetFileAttributesA(candidate.c_str()) == INVALID_FILE_ATTRIBUTES) return true;
  SetFileAttributesA(candidate.c_str(), FILE_ATTRIBUTE_NORMAL);
  return DeleteFileA(candidate.c_str()) != 0;
}

UniqueName MakeUniqueName(const std::string& directory, const std::string& prefix,
                          const std::string& extension,
                          const std::function<bool(const std::string&)>& isRunningFile,
                          const std::string& purposeLine) {
  for (char n = '1'; n <= '9'; ++n) {
    const std::string candidate = directory + prefix + n + extension;
    if (isRunningFile(candidate)) continue;
    if (NameIsFree(candidate)) return {true, candidate, {}};
  }
  const std::string text = "Quorlo cannot find a unique name for the new file about to" +
                           core::LineBreaks(1) + purposeLine + core::LineBreaks(2) +
                           "You will need to restart your computer before making any more" +
                           core::LineBreaks(1) + "changes.";
  return {false, {}, text};
}

}  // namespace

std::string WindowsExplorerPath() {
  return win::GetWindowsDir() + kDefaultShell;
}

void LocateCurrentShell() {
  const std::string windowsDir = win::GetWindowsDir();
  const std::string fallback = windowsDir + kDefaultShell;
  std::string setting;
  switch (win::PlatformFamily()) {
    case win::kPlatformWindows:
      setting = win::IniReadString(windowsDir + "System.ini", "boot", "shell", fallback);
      break;
    case win::kPlatformNT:
      // A key of its own: callers may be in the middle of using the accessor.
      setting = win::RegistryKey::Open(HKEY_LOCAL_MACHINE, kWinlogonKey)
                    .ReadString("Shell")
                    .value_or(fallback);
      break;
    default:
      return;
  }
  const std::string path = windowsDir + FileNamePart(setting);
  CurrentShellPath = win::FileExists(path) ? path : fallback;
}

UniqueName MakeUniqueShellName(const std::string& currentShell) {
  return MakeUniqueName(
      win::GetWindowsDir(), "Xplorer", ".exe",
      [&](const std::string& candidate) { return candidate == currentShell; },
      "be created. This file is used to update the Windows shell.");
}

UniqueName MakeUniqueGinaName(const std::string& currentGina) {
  const std::string running = Lower(FileNamePart(currentGina));
  return MakeUniqueName(
      win::GetSystemDir(), "Gina", ".dll",
      [&](const std::string& candidate) {
        return !running.empty() && Lower(FileNamePart(candidate)) == running;
      },
      "be created. This file is used to update the Windows Logon Dialogs.");
}

}  // namespace deploy
