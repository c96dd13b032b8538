#pragma once
// Which shell file Windows starts now, and free names for new copies of the
// shell and of the logon library.

#include <string>

namespace deploy {

// A free name for a new copy, or the message that says there is none.
struct UniqueName {
  bool found = false;
  std::string path;     // when found
  std::string message;  // when not found: why no copy can be made before a restart
};

// Full path of the shell executable Windows starts now; set by
// LocateCurrentShell and read by the managers that edit the shell.
extern std::string CurrentShellPath;

// "Explorer.exe" in the Windows directory: the shell file the program never
// changes, where every restore takes Windows' own resources from.
std::string WindowsExplorerPath();

// Recomputes CurrentShellPath from System.ini (95/98/Millennium) or the
// Winlogon "Shell" value (2000/XP). The file is always taken from the Windows
// directory; when it is not there, the Windows directory's Explorer.exe.
void LocateCurrentShell();

// The first free "Xplorer" + n + ".exe" (n = 1..9) in the Windows directory
// that is not currentShell; an older copy is deleted and its name reused when
// Windows no longer holds it. When none is free the window that asked shows
// the message and closes (ui::ShowErrorAndClose).
UniqueName MakeUniqueShellName(const std::string& currentShell);

// The same for "Gina" + n + ".dll" in the system directory; the running
// library is recognised by its file name in any letter case.
UniqueName MakeUniqueGinaName(const std::string& currentGina);

}  // namespace deploy
