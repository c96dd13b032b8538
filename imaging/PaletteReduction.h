#pragma once
// Palette reduction: ChangeBits and Convert. A picture that already fits the
// target depth keeps its exact colours; otherwise a box-splitting optimiser
// over a 5-6-5 grid picks the palette and serpentine Floyd-Steinberg
// diffusion dithers to it.

#include "imaging/FastDIB.h"

namespace imaging {

// Converts the picture in place to bpp (24, 32, 8 or 4), dithering when the
// palette has to be optimised. True when the depth already matched.
bool ChangeBits(TFastDIB& dib, int bpp);

// Fills destination (already sized like source) from source's pixels.
// Destinations of 24 and 32 bits take any source; 8 and 4 bits take any
// source, going through 24 bits for those of 16 bits or less. False for
// other destination depths or mismatched sizes.
bool Convert(TFastDIB& destination, const TFastDIB& source, bool dither);

}  // namespace imaging
