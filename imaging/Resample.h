#pragma once
// SmoothResize: bilinear resampling in 16.16 fixed point between two
// bitmaps of the same depth (8, 16, 24 or 32 bits).

#include "imaging/FastDIB.h"

namespace imaging {

// Fills the whole destination (already sized) from the whole source. False,
// leaving the destination untouched, when either is empty, the depths differ
// or the depth is not 8, 16, 24 or 32.
bool SmoothResize(const TFastDIB& source, TFastDIB& destination);

}  // namespace imaging
