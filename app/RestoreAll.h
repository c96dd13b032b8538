#pragma once

namespace app {

// The "/r" mode: started without a window (when the program is removed), it
// undoes the settings through which the program's changes take effect. The
// patched copies stay on disk; only the settings that name them are reset.

// windowsVersion as WindowsVersion gives it. Reports nothing: a step that
// fails is passed over and the next one runs.
void RunRestoreAll(int windowsVersion);

// The six XP Start Menu items get Windows' own names and the texts of
// Explorer.exe back.
void RestoreXPStartMenuNames();

// Puts back the 9x logo files saved beside the program before its first
// logo change; with no saved "logo.sys" the boot drive's is deleted, which
// gives Windows its built-in start-up logo.
void RestoreLogos9x();

}  // namespace app
