#pragma once
// The icons of the catalogue as the Icon Manager shows them: drawn from the
// entry's file over a background colour. Only here are environment
// references of a location expanded; the catalogue keeps them as written.
// An icon that cannot be extracted (no file, a missing file, an index out
// of range) leaves the background alone.

#include <windows.h>

#include "icons/IconLocation.h"

namespace icons {

constexpr int kPreviewSize = 32;
constexpr int kTreeImageSize = 16;

// A new 32x32 bitmap with the entry's large icon; the caller owns it.
HBITMAP MakeIconPreview(const IconEntry& entry, COLORREF background);

// A new 16x16 bitmap with the entry's small icon, for the tree's image list.
HBITMAP MakeTreeImage(const IconEntry& entry, COLORREF background);

}  // namespace icons
