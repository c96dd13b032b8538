#pragma once
// Taking the program's "/kernel=" switches out of boot.ini, so that every
// boot entry starts Windows' own kernel again, and the one crash-safe way
// boot.ini is rewritten (backup, work file, replace in one step).

#include <functional>
#include <string>

namespace deploy {

// Clears boot.ini's read-only, hidden and system attributes (they stay
// cleared), copies it to "C:\backup.ini", and writes the text without its
// "/kernel=" switches through "C:\temp.ini", which then replaces boot.ini.
// True when boot.ini is missing or now holds no switch; false, with
// boot.ini as it was, when any step failed.
bool RemoveKernelSwitches();

// Where boot.ini and its two companions live; tests point them elsewhere.
struct BootIniFiles {
  const char* bootIni = "C:\\boot.ini";
  const char* backup = "C:\\backup.ini";
  const char* work = "C:\\temp.ini";
};
bool RemoveKernelSwitchesIn(const BootIniFiles& files);

// How a rewrite of boot.ini ended.
enum class BootIniRewrite {
  kRewritten,
  kUnchanged,   // the edit gave the text back as it was: the file was not written
  kMissing,     // there is no boot.ini
  kUnreadable,  // it could not be read whole
  kNoBackup,    // the backup could not be made, so the file was not touched
  kNoWorkFile,  // the work file could not be written, or could not replace boot.ini
};

// Clears boot.ini's read-only, hidden and system attributes (they stay
// cleared), copies it to the backup, and writes edit(text) through the work
// file, which then replaces boot.ini. Anything but kRewritten and
// kUnchanged leaves boot.ini's text as it was.
BootIniRewrite RewriteBootIni(const BootIniFiles& files,
                              const std::function<std::string(const std::string&)>& edit);

}  // namespace deploy
