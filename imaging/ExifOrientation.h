#pragma once
// Cameras and phones store a photo as the sensor saw it and record in its
// EXIF data how to turn it upright (TIFF tag 0x0112, values 1 to 8). A viewer
// that ignores the tag shows such a photo on its side.

#include <cstdint>

#include "core/ByteSpan.h"
#include "imaging/FastDIB.h"

namespace imaging {

// The orientation recorded in the data of an APP1 marker ("Exif\0\0" and a
// TIFF structure in either byte order); 1 (as stored) when the marker holds
// none, an invalid value or anything damaged.
int ExifOrientation(core::ByteSpan app1);

// True for the orientations that swap width and height (5 to 8).
inline bool SwapsSides(int orientation) {
  return orientation >= 5 && orientation <= 8;
}

// Turns a 24-bit picture stored with this orientation upright: 2 mirrors it,
// 3 turns it half round, 4 flips it, 5 mirrors it along the main diagonal, 6
// turns it a quarter clockwise, 7 mirrors it along the other diagonal, 8
// turns it a quarter anticlockwise. 1 and unknown values leave it as it is.
// False, with the picture unchanged, when the turned picture cannot be made.
bool TurnUpright(TFastDIB& picture, int orientation);

}  // namespace imaging
