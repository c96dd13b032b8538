#pragma once
// Facts about the running Windows and small services every manager shares.
// All run on the main thread.

#include <windows.h>

#include <string>

#include "app/TextUtils.h"

class THookHelpSystem;

// 1 Windows 95, 2 Windows 98, 3 Windows Millennium, 4 Windows 2000, 5 Windows XP, -1 other.
int WindowsVersion();
// 1 for the 95/98/Millennium family, 2 for the NT family (the platform id, read once).
int PlatformFamily();
// Always true on the 95 family, which has no rights to check.
bool IsAdministrator();
std::string CurrentUserName();

// Each with a trailing backslash.
std::string GetWindowsDir();
std::string GetSystemDir();
// TMP if it names a directory, else TEMP if it does, else the Windows directory; absolute.
std::string GetTempDir();
// Empty when the variable is not set.
std::string GetEnvironmentValue(const std::string& name);
// "ProgramFilesDir" of the current-version key; empty when missing.
std::string GetProgramFilesDir();
// The 95-family boot drive "X:\": the stored "Host", else the first fixed,
// uncompressed drive with Command.com in its root (then stored), else "C:\".
std::string GetBootDrive();
bool IsCompressedVolume(const std::string& root);

// MessageBoxA; owner may be null. Returns the id of the button pressed.
int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags, HWND owner);

// The file exists and can be opened for reading.
bool FileCanBeOpened(const std::string& path);

// Full path of Help.chm beside the program; set once at start-up.
const std::string& HelpFilePath();
void SetHelpFilePath(const std::string& path);
// The help bridge ShowHelpTopic hands pages to; owned by the caller, null to detach.
void SetActiveHelpSystem(THookHelpSystem* helpSystem);
// Opens the page "html\" + page of the help file, or says the file is missing.
void ShowHelpTopic(const std::string& page);
