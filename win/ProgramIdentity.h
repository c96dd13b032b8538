#pragma once
// The program's own name and settings key, which every layer above the
// platform may show or use. Portable: only constants.

namespace win {

// Own settings and backups, under HKEY_CURRENT_USER.
inline constexpr char ProgramRegistryKey[] = "\\Software\\KorvSoft\\Quorlo\\4.1";

// The caption of the program's own messages.
inline constexpr char kApplicationTitle[] = "Quorlo";

}  // namespace win
