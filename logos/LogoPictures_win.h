#pragma once
// The pictures the logos windows show: bitmap files loaded as they are, the
// text shown in place of a logo that is not there, and copies handed to a
// preview.

#include <windows.h>

#include <string>

#include "win/ScopedGdi.h"

namespace logos {

// A bitmap file as a DIB section in its own depth and colours; empty when
// it is missing or not a bitmap Windows reads.
win::ScopedBitmap LoadBitmapFile(const std::string& path);

// width x height, black, with text in white "Tahoma" at its centre: the
// stand-in for a logo file that is not there.
win::ScopedBitmap TextPicture(int width, int height, const std::string& text);

// A copy the receiver owns; empty for no bitmap.
win::ScopedBitmap CopyBitmap(HBITMAP bitmap);

}  // namespace logos
