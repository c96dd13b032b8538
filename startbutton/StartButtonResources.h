#pragma once
// The Start button's resources inside the shell file: reading its three
// string tables, and writing them (with the XP picture, when one is pending)
// into a new numbered copy that then becomes the shell.

#include <optional>
#include <string>

#include "core/Outcome.h"
#include "deploy/PatchedCopy.h"
#include "deploy/ShellLocation.h"
#include "startbutton/StringTable.h"

namespace startbutton {

// Bitmap 143 of the shell: the picture on the XP Start button.
inline constexpr int kXPStartButtonBitmap = 143;

// XPIconChanged, XPIconRestore (take 143 from Windows' own Explorer.exe) and
// XPIconFile (the user's bitmap file).
using XPIconChange = deploy::PendingBitmap;

struct StartButtonEdit {
  bool xp = false;  // block 38 and the picture belong to Windows XP only
  StringTable tooltipTable;
  StringTable startTable;
  StringTable xpStartTable;
  XPIconChange icon;
};

// The block of the table's spec in shellFile, read through the resource
// engine's reader (the file is PE32 data to us, whatever our own bitness).
// Empty when the file is refused, lacks the block, or the block is cut short.
std::optional<StringTable> ReadStringTable(const std::string& shellFile,
                                           const StringTableSpec& spec);

struct StartButtonWrite {
  // Why the pending picture was left out; the rest was written all the same.
  std::optional<std::string> pictureProblem;
  // The write and activation; a failure activated nothing.
  core::Outcome outcome;
};

// Writes CurrentShellPath's copy with the edit's loaded tables (and, on XP,
// the pending picture) to newFile, and only when it was written makes it the
// shell and, on XP, points the XP Start Menu texts at it. A picture that
// cannot be used is left out and said why; the window shows that before the
// outcome.
StartButtonWrite WriteStartButtonResources(const std::string& newFile, const StartButtonEdit& edit);

}  // namespace startbutton
