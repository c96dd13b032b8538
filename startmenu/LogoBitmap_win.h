#pragma once
// Bitmaps of the vertical logo as the windows show them: made by Windows
// from bitmap files (on disk, or made in memory from a shell's banner).

#include <cstdint>
#include <string>
#include <vector>

#include "win/ScopedGdi.h"

namespace startmenu {

// A device-dependent bitmap of a bitmap file held in memory; empty when the
// file is cut short or of a kind the program does not show (compressed).
win::ScopedBitmap BitmapOfFileBytes(const std::vector<uint8_t>& file);

// The bitmap file at path as Windows loads it; empty when it does not.
win::ScopedBitmap BitmapOfFile(const std::string& path);

// Width and height of a bitmap; 0 x 0 for none.
SIZE BitmapSize(HBITMAP bitmap);

}  // namespace startmenu
