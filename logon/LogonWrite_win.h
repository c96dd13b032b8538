#pragma once
// What OK and Restore of the Logon Dialogs Manager do: write a copy of the
// logon library in force with the chosen pictures and register it, or take
// the registration away. The window asks and shows; these decide and word.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Outcome.h"
#include "logon/LogonLibrary_win.h"

namespace logon {

// The pictures the user chose, by PictureIndex, each as the bytes of its
// bitmap file. The bytes are kept, not the path: the picture dialog writes
// every choice to the same temporary file.
struct LogonEdit {
  std::array<std::optional<std::vector<uint8_t>>, kPictureCount> replacements;
  bool Changed() const;
};

// Takes the bitmap file the picture dialog gave as the new picture `index`
// (NormalChanged, ProgressChanged or BarChanged). A file that cannot be
// stored as a bitmap resource leaves the edit as it was; the failure says why.
core::Outcome ChangePicture(LogonEdit& edit, PictureIndex index, const std::string& bitmapFile);

struct LogonWrite {
  core::Outcome outcome;
  bool written = false;      // a complete copy was written and GinaDLL names it
  std::string newLibrary;    // that copy's full path
  bool closeWindow = false;  // no free copy name: after the message the window closes
};

// OK: with no change nothing is touched. Otherwise the changed pictures of
// module's library go into a new "Gina" + n + ".dll" in the system
// directory (MakeUniqueGinaName), each stored as its bitmap file after the
// 14-byte header; the copy gets its PE checksum; only then GinaDLL names
// it, and the shell setting is written again with the shell in force.
// Nothing is written when the library lacks a changed picture's bitmap, and
// GinaDLL stays as it was when any step of writing the copy fails.
LogonWrite WriteLogonPictures(const LogonModule& module, const LogonEdit& edit);

// Restore: removes GinaDLL, so Windows goes back to its own library. The
// copies stay in the system directory.
core::Outcome RestoreLogonLibrary();

}  // namespace logon
