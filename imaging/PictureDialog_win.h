#pragma once
// The picture-opening dialog: the standard open dialog with a preview of the
// selected picture beside the file list.

#include <windows.h>

#include <optional>
#include <string>

namespace imaging {

// Title "Open Picture File", every picture type the program reads, file and
// path must exist, no read-only box, resizable, no initial folder. The
// chosen path, or nothing when cancelled.
std::optional<std::string> ShowPictureDialog(HWND owner);

// The filter the dialog offers, in the '\0'-separated form of
// OPENFILENAME, with the final double '\0'.
std::string PictureDialogFilter();

}  // namespace imaging
