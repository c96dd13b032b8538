#pragma once
// Decoding of run-length encoded pixel data (BI_RLE8, BI_RLE4) into a
// bitmap already sized for it.

#include "core/ByteSpan.h"
#include "imaging/BmpStatus.h"
#include "imaging/FastDIB.h"

namespace imaging {

// Fills dib's rows in storage order from the stream. Runs and literal runs
// are clipped at the end of the row, moves and rows past the picture end it;
// a stream that ends inside a command, or before the picture is complete
// without an end-of-picture mark, is refused as kBadRunLength.
BmpStatus DecodeRunLength(core::ByteSpan stream, bool fourBit, TFastDIB& dib);

}  // namespace imaging
