#pragma once
// Names and message texts the program shows or looks for. The texts are the
// program's own and are used exactly as written here.

#include <string>

// Own settings and backups, under HKEY_CURRENT_USER.
inline constexpr char ProgramRegistryKey[] = "\\Software\\KorvSoft\\Quorlo\\4.1";

inline constexpr char kApplicationTitle[] = "Quorlo";
// Both the single-instance mutex and the registered window message.
inline constexpr char kInstanceName[] = "Quorlov4";
inline constexpr char kRestoreAllArgument[] = "/r";
inline constexpr char kHelpFileName[] = "Help.chm";
inline constexpr char kHostValue[] = "Host";

extern const char kUnsupportedWindowsMessage[];
extern const char kHelpFileMissingMessage[];

// The no-rights message with the user's name in place.
std::string NoRightsMessage(const std::string& userName);
