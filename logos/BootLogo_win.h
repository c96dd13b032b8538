#pragma once
// The 2000/XP start-up logo on the machine, without windows: the boot
// entries of boot.ini, the logo of an entry's kernel as a bitmap file, the
// kernel copy with a new logo and the boot entry that starts it, and the
// way back.
//
// A boot entry is given a "/kernel=" switch only for a copy written
// completely: the copy is written under a work name, gets its boot palette
// and checksum there, and only then takes its "Kernl<n>.exe" name. boot.ini
// is rewritten last, through the deployment layer's backup and work file;
// any failure before leaves it untouched.

#include <cstddef>
#include <string>
#include <vector>

#include "core/Outcome.h"
#include "logos/BootIni.h"
#include "logos/BootPalette.h"

namespace logos {

// The caption of this manager's messages; the unsupported-kernel message
// carries the program's name instead.
inline constexpr char kLogosManagerCaption[] = "Logos Manager";

// Where the kernel and boot.ini lie, and which screen Windows shows.
struct BootLogoMachine {
  std::string systemDirectory;  // with a trailing backslash
  std::string bootIni = "C:\\boot.ini";
  std::string bootIniBackup = "C:\\backup.ini";
  std::string bootIniWork = "C:\\temp.ini";
  int windowsVersion = 0;  // win::kWindows2000 or win::kWindowsXP
  int edition = 0;         // the "2k Edition" or "XP Edition" answer
};
// This machine's directories and version; the edition is the caller's
// (the edition questions belong to the application).
BootLogoMachine ThisBootLogoMachine(int edition);

// The messages for a missing "ntoskrnl.exe" and a missing boot.ini, in that
// order; empty when both are there. With any, OK and Restore are refused.
std::vector<std::string> MissingSystemFileMessages(const BootLogoMachine& machine);

struct BootEntriesRead {
  core::Outcome outcome;
  BootIni ini;  // when the outcome is ok; may hold no entry
};
BootEntriesRead ReadBootEntries(const BootLogoMachine& machine);

// XP's boot palette in the system directory's ntoskrnl.exe. On failure the
// outcome carries the message for a kernel whose logo cannot be changed.
struct KernelPaletteSearch {
  core::Outcome outcome;
  size_t offset = 0;
  BootPalette palette{};
};
KernelPaletteSearch FindKernelBootPalette(const BootLogoMachine& machine);

// The file the window shows the logo from: the temporary directory's "_temp.bmp".
std::string BootLogoPicturePath();

// The logo of the entry's kernel (system directory + kernel) as a bitmap
// file at picturePath. XP: bitmap 1 in the colours of the kernel's boot
// palette (read at the offset found in ntoskrnl.exe, which the copies share)
// with the edition's overlay drawn at (220, 272); 2000: bitmap 1 or 4 by
// edition, as it is. palette is XP's boot palette of that kernel.
struct BootLogoPicture {
  core::Outcome outcome;
  BootPalette palette{};
};
BootLogoPicture LoadBootLogo(const BootLogoMachine& machine, const BootEntry& entry,
                             const std::string& picturePath);

// OK: the logo file MakeLogoPicture made, for boot entry entryNumber whose
// description the window showed (a boot.ini changed meanwhile so that the
// number names another system is refused).
struct BootLogoChange {
  int entryNumber = 0;
  std::string description;
  std::string logoFile;
};
// Writes Kernl<n>.exe from ntoskrnl.exe with the new logo (XP: with the
// 1 x 1 overlay and the logo's palette as boot palette) and its checksum,
// points the entry at it and re-applies the shell setting.
core::Outcome WriteBootLogo(const BootLogoMachine& machine, const BootLogoChange& change);

// Restore: the entry's line without its kernel switch; a line without one
// is left as it is. The kernel copies stay on disk.
core::Outcome RestoreBootLogo(const BootLogoMachine& machine, int entryNumber);

}  // namespace logos
