#pragma once
// Serpentine Floyd-Steinberg error diffusion from a 24- or 32-bit source
// into an 8-bit destination over an optimised palette.

#include "imaging/FastDIB.h"
#include "imaging/PaletteBoxes.h"

namespace imaging {

// boxes.grid must be the cell map made with unused cells at 255; cells found
// by the nearest-colour search are written back so each is searched once.
// lastIndex is the last palette entry that may be chosen.
void DitherToPalette(const TFastDIB& source, TFastDIB& destination, PaletteBoxes& boxes,
                     int lastIndex);

}  // namespace imaging
