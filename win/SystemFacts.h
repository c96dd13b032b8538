#pragma once
// Facts about the running Windows every subsystem shares. All run on the
// main thread.

#include <string>

#include "win/VersionRule.h"

namespace win {

// Under ProgramRegistryKey: the 95-family boot drive once found.
inline constexpr char kHostValue[] = "Host";

// kWindows95 .. kWindowsXP, kUnsupportedWindows for any other.
int WindowsVersion();
// kPlatformWindows for the 95/98/Millennium family, kPlatformNT for the NT
// family (the platform id, read once).
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

// The file exists and can be opened for reading.
bool FileCanBeOpened(const std::string& path);

}  // namespace win
