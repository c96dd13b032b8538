#pragma once
// The shell's Change Icon dialog (PickIconDlg), which shell32 exports by
// ordinal 62 only. It takes a path buffer of UTF-16 characters on the NT
// family and of ANSI characters on 95/98/Millennium, the buffer's size in
// characters and the icon index, and returns nonzero when the user confirms.
//
// The shell's function is the one step a test cannot play through: it is a
// modal dialog of the system. It is replaceable (SetPickIconFunction), so
// tests put a stand-in there that answers as the user would; everything
// around it (the buffers, the conversions, what counts as a choice) runs as
// it does for the user.

#include <windows.h>

#include <optional>

#include "icons/IconLocation.h"

namespace icons {

// The characters of the dialog's path buffer, terminator included.
constexpr int kPickIconPathChars = 260;

// shell32's ordinal 62. `path` is wide on NT, narrow on 9x (see above).
using PickIconFunction = BOOL(WINAPI*)(HWND owner, void* path, UINT pathChars, int* index);

// Replaces the shell's function; null puts shell32's own back. Returns the one before.
PickIconFunction SetPickIconFunction(PickIconFunction function);

// Shows the dialog owned by `owner`, starting at `current` (its location
// exactly as stored). The new location, or nothing when the user cancelled,
// when the dialog came back with the same file and index, or when the shell
// has no such dialog.
std::optional<IconEntry> ChooseIcon(HWND owner, const IconEntry& current);

}  // namespace icons
