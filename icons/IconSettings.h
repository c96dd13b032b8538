#pragma once
// Reading, defaults, backups and writing of the icon catalogue's registry
// settings. Nothing reaches the registry except through ApplyIcons and the
// one-time backups that reading a desktop object makes.
//
// A value that exists with a type other than a string cannot be read as a
// location: its entry loads as having no setting (the shell default's icon
// for a shell icon slot, nothing for a desktop object), marked unreadable,
// and ApplyIcons leaves that value as it is until the user gives the entry a
// new icon. Its desktop object gets no backup until a reading finds text.

#include <functional>
#include <string>

#include "icons/IconCatalogue.h"
#include "icons/RegistryStore.h"

namespace icons {

// The current setting of one entry (0..53). A desktop object's first reading
// also backs up what it found (see kDefaultIconsBackupKey); a backup that
// cannot be written is tried again at the next reading. systemDirectory ends
// with a backslash.
IconEntry LoadIconEntry(RegistryStore& registry, const std::string& systemDirectory, int entry);

// Called after each entry is read, with its number and setting, in order 0..53.
using IconLoadProgress = std::function<void(int entry, const IconEntry& loaded)>;

// Every entry, strictly in ascending order, the Shell Icons key opened once.
IconCatalogue LoadIconCatalogue(RegistryStore& registry, const std::string& systemDirectory,
                                const IconLoadProgress& progress);

// The shell's default of an entry: Shell32.dll's icon n for slot n; for a
// desktop object the backup of its first reading (no setting without one).
IconEntry DefaultIconEntry(RegistryStore& registry, const std::string& systemDirectory, int entry);

// What a write sequence did; message is the text the user sees when it failed.
struct IconWriteResult {
  bool ok = true;
  std::string message;
};

// The message of a refused registry write, naming the value.
std::string FailedToSetDataMessage(const std::string& valueName);

// Writes the catalogue: the 45 Shell Icons values, the desktop objects under
// bases 2, 3 and 1 (entry 51 also to each key's default value), on XP the
// three XP Start Menu mirrors, then entry 17's mirror under bases 2, 3 and 1.
// Entries without a setting, and unreadable ones, are skipped. The first
// refused write stops it; the values written before it stay. On success the
// caller rebuilds the shell's icon cache (RebuildIconCache) so the shell
// picks the new icons up.
IconWriteResult ApplyIcons(RegistryStore& registry, const IconCatalogue& catalogue,
                           int windowsVersion);

}  // namespace icons
