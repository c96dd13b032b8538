#pragma once
// Pointing Windows at a patched copy: the shell setting, the logon library
// setting and the XP Start Menu texts.

#include <string>

#include "core/Outcome.h"

namespace deploy {

// Under HKEY_LOCAL_MACHINE: "Shell" and "GinaDLL" live here on 2000/XP.
inline constexpr char kWinlogonKey[] =
    "\\Software\\Microsoft\\Windows NT\\CurrentVersion\\WinLogon";

// Writes the shell setting of the running family: System.ini's [boot]
// "shell", written through at once, on 95/98/Millennium; the Winlogon
// "Shell" value on 2000/XP. False when Windows refused the write.
bool SetShell(const std::string& path);

// SetShell, then LocateCurrentShell so that CurrentShellPath follows.
bool ActivateShell(const std::string& path);

// Points "InfoTip" and "LocalizedString" of the six XP Start Menu items at
// the strings of shellPath's file; their default values stay as they are.
bool RelinkXPStartMenuStrings(const std::string& shellPath);

// What every shell-file manager does once its copy is written: ActivateShell
// and, when relinkXPStartMenu (on Windows XP), RelinkXPStartMenuStrings. A
// failure says that the copy was written but Windows kept its shell.
core::Outcome ActivateShellCopy(const std::string& newFile, bool relinkXPStartMenu);

// The logon library setting "GinaDLL" = path; empty path deletes the value,
// which gives Windows back its own library.
bool SetGinaDll(const std::string& path);

}  // namespace deploy
