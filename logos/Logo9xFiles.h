#pragma once
// The start-up and shut-down logo files of Windows 95, 98 and Millennium:
// which files the 9x/ME Logos Manager shows, where they and their backups
// lie, the byte that sets how many colours Windows animates, and what OK
// does to each file after the user's changes, restores and "Win default".

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace logos {

// 320 x 400 pixels, 256 colours; Windows stretches it to the screen.
inline constexpr int kLogo9xWidth = 320;
inline constexpr int kLogo9xHeight = 400;
inline constexpr int kLogo9xBitsPerPixel = 8;

enum class LogoFolder { kBootDriveRoot, kWindowsDirectory };

struct LogoFileEntry {
  int number;  // 1 to 3, the tag of the tab's buttons
  const char* tabCaption;
  const char* fileName;
  LogoFolder folder;
  const char* missingText;  // shown in place of a logo file that is not there
};

inline constexpr int kLogoFileCount = 3;
// 1 "Startup" logo.sys, 2 "Shut down" Logos.sys, 3 "Shut down in
// progress" Logow.sys.
const std::array<LogoFileEntry, kLogoFileCount>& LogoFileTable();
// Entry n (1 to 3); nullptr otherwise.
const LogoFileEntry* LogoFile(int number);

// The entries whose tabs are shown: all three, or 1 and 2 on Millennium
// (WindowsVersion 3), which has no "shut down in progress" logo.
std::vector<int> ShownLogoFiles(int windowsVersion);

// Folder + file name; a backslash is put between them when the folder has
// none (the boot drive can be given by hand as "C:").
std::string LogoFilePath(const LogoFileEntry& entry, const std::string& bootDriveRoot,
                         const std::string& windowsDirectory);
// The backup keeps the file's own name, in the program's folder.
std::string LogoBackupPath(const LogoFileEntry& entry, const std::string& programFolder);

// The value under the program's registry key that says the backups exist.
inline constexpr char kLogosBackedUpValue[] = "LogosBackedUp";
inline constexpr char kLogosBackedUpDefault[] = "false";
inline constexpr char kLogosBackedUpTrue[] = "true";
// "true" in any letter case.
bool LogosBackedUp(const std::string& storedValue);
// Whether the backups may be recorded as made: every logo file that exists
// has its backup now. A backup that could not be made is tried again at
// the next opening, before any change of that logo was written.
bool BackupsComplete(const std::array<bool, kLogoFileCount>& logoExists,
                     const std::array<bool, kLogoFileCount>& backupExists);

// Byte 50 of a logo file, the low byte of the info header's
// "colours important": the number of palette colours Windows cycles.
inline constexpr size_t kAnimatedColoursOffset = 50;
inline constexpr int kMaxAnimatedColours = 255;
// Stores count; false, with the bytes untouched, when the count is not 0 to
// 255 or the bytes are not a bitmap file with an info header.
bool SetAnimatedColours(std::vector<uint8_t>& logoFile, int count);

// What OK does to one logo file.
enum class LogoFileAction {
  kKeep,        // no change and no restore
  kWriteNew,    // write the new logo's bytes over the file
  kCopyBackup,  // put the backup back
  kDelete,      // delete the start-up logo: Windows shows its built-in one
};

// What a Restore shows in the entry's picture.
enum class RestoreShows {
  kBackup,          // the backup, marked to be put back
  kWindowsDefault,  // entry 1 without backup: Windows' built-in logo
  kBackupMissing,   // entries 2 and 3 without backup: nothing changes, say so
};

// The changed and restore marks of the three logos and the start-up logo's
// "Windows default" mark, from the window's opening to OK.
class LogoMarks {
 public:
  // A new logo waits for entry n.
  void Changed(int number);
  // Restore pressed on entry n.
  RestoreShows Restore(int number, bool backupExists);
  // "Win default": the start-up logo goes, whatever was chosen before.
  void WindowsDefault();

  // What OK does to entry n, given whether its backup exists then.
  LogoFileAction ActionAtOk(int number, bool backupExists) const;
  // Whether OK writes anything (and so re-applies the shell setting).
  bool AnyMarked() const;

 private:
  struct Marks {
    bool changed = false;
    bool restore = false;
  };
  Marks* At(int number);
  const Marks* At(int number) const;

  std::array<Marks, kLogoFileCount> marks_{};
  bool windowsDefault_ = false;
};

}  // namespace logos
