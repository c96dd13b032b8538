#pragma once
// The bitmaps of the 2000/XP logon dialogs inside the logon library, by
// system and edition. The Logon Dialogs Manager reads the pictures from
// these ids and writes its replacements to the same ids.

namespace logon {

// The bar animated across the "logon in progress" dialog, on every system.
inline constexpr int kBarBitmapId = 103;

struct LogonBitmapIds {
  int normal;    // the logon dialog's picture
  int progress;  // the "logon in progress" dialog's picture
  int bar;       // the animated bar
};

// WindowsVersion 5 takes the XP rows (edition 1 Home, 2 Professional), any
// other version the 2000 rows (editions 3 to 7). An edition outside its
// system's range takes that system's Professional row, the edition a
// chooser offers first.
LogonBitmapIds LogonBitmapIdsFor(int windowsVersion, int edition);

// The id a "Change..." button's tag (1 logon dialog, 2 logon in progress,
// 3 bar) writes; 0 for another tag.
int LogonBitmapIdForTag(const LogonBitmapIds& ids, int tag);

}  // namespace logon
