#pragma once
// Taking the program's "/kernel=" switches out of boot.ini, so that every
// boot entry starts Windows' own kernel again.

// Clears boot.ini's read-only, hidden and system attributes (they stay
// cleared), copies it to "C:\backup.ini", and writes the text without its
// "/kernel=" switches through "C:\temp.ini", which then replaces boot.ini.
// True when boot.ini is missing or now holds no switch; false, with
// boot.ini as it was, when any step failed.
bool RemoveKernelSwitches();

namespace deploy {

// Where boot.ini and its two companions live; tests point them elsewhere.
struct BootIniFiles {
  const char* bootIni = "C:\\boot.ini";
  const char* backup = "C:\\backup.ini";
  const char* work = "C:\\temp.ini";
};
bool RemoveKernelSwitchesIn(const BootIniFiles& files);

}  // namespace deploy
