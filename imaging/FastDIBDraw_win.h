#pragma once
// Drawing a TFastDIB onto a window or any other device context through GDI,
// for previews. Pixels that become logos never take this path.

#include <windows.h>

#include "imaging/FastDIB.h"

namespace imaging {

// The whole picture, unscaled, to (x, y) of target: BitBlt from the
// bitmap's own DC, or StretchDIBits from its pixels when it has none.
// Returns the GDI call's result (0 on failure).
int DrawToDC(const TFastDIB& dib, HDC target, int x, int y);

}  // namespace imaging
