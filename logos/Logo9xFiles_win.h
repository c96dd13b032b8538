#pragma once
// The files behind the 9x/ME Logos Manager on the machine: the one-time
// backups, a new logo taken from the logo pipeline, and what OK writes.
// Every logo file is written through a temporary file that replaces it only
// when complete, so a logo that cannot be written (read-only, in use, disk
// full) stays as it was and the outcome names it.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Outcome.h"
#include "logos/Logo9xFiles.h"

namespace logos {

// Where the three logos and their backups lie.
struct Logo9xFolders {
  std::string bootDriveRoot;     // logo.sys
  std::string windowsDirectory;  // Logos.sys, Logow.sys
  std::string programFolder;     // the backups, under the logos' own names
};
// This machine's: GetBootDrive, GetWindowsDir and the program's own folder.
Logo9xFolders MachineLogo9xFolders();

std::string Logo9xFilePath(int number, const Logo9xFolders& folders);
std::string Logo9xBackupPath(int number, const Logo9xFolders& folders);
bool Logo9xBackupExists(int number, const Logo9xFolders& folders);

// Made once: unless "LogosBackedUp" under ProgramRegistryKey says "true",
// each logo file that exists is copied to its backup, an existing backup
// never being overwritten, and the value is set to "true" once every
// existing logo has its backup. True when the backups are recorded as made.
bool MakeLogoBackups(const Logo9xFolders& folders);

// A new logo as the window keeps it until OK: the logo file the pipeline
// made, with the number of animated colours at byte 50.
struct NewLogo9x {
  core::Outcome outcome;
  std::vector<uint8_t> bytes;  // when the outcome is ok
};
NewLogo9x MakeNewLogo9x(std::vector<uint8_t> logoFile, int animatedColours);
// The same from the pipeline's file, which is deleted once read: the window
// keeps the bytes, and nothing is left to write by accident.
NewLogo9x TakeNewLogo9xFile(const std::string& logoFilePath, int animatedColours);

// The window's pending changes from its opening to OK: the marks of
// Logo9xFiles.h with the bytes of each new logo.
class Logo9xChanges {
 public:
  // A new logo waits for entry n (1 to 3).
  void Change(int number, std::vector<uint8_t> logoBytes);
  // Restore pressed on entry n; what the entry's picture now shows.
  RestoreShows Restore(int number, const Logo9xFolders& folders);
  // "Win default": OK deletes the start-up logo.
  void WindowsDefault();
  bool AnyMarked() const { return marks_.AnyMarked(); }

  // OK: writes each marked logo (new bytes, backup or deletion), entries 1
  // to 3 in order, and when anything was marked re-applies the shell
  // setting. A failure of one logo does not stop the others; the outcome
  // names every logo that could not be changed and says the old one stayed.
  core::Outcome Apply(const Logo9xFolders& folders) const;

 private:
  LogoMarks marks_;
  std::array<std::vector<uint8_t>, kLogoFileCount> newLogos_;
};

}  // namespace logos
