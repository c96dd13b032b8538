#pragma once
// Where a TFastDIB's pixel memory comes from. On Windows it is a DIB section
// with its own memory DC (FastDIBSurface_win.cpp); elsewhere there is no GDI
// and the bitmap keeps a plain allocation (FastDIBSurface.cpp).

#include "imaging/FastDIB.h"

namespace imaging::surface {

// Makes a DIB section from dib.Info, a memory DC, selects the section into it
// and sets DC, BitmapHandle, Bits and the ownership flags. False when the
// platform has no GDI or the section could not be made.
bool Create(TFastDIB& dib);
// Releases the owned DC and bitmap and the brush, clearing the handles.
void Release(TFastDIB& dib);
// Makes the GDI brush for dib.BrushStyle/BrushColor/BrushHatch and selects
// it into dib.DC; nothing without a DC.
void SelectBrush(TFastDIB& dib);
// Fills through GDI with the selected brush; false without a DC.
bool GdiFillRect(TFastDIB& dib, const Rect& rect);
// Bits per pixel of the screen and the width of its green channel in 16-bit
// modes; without a screen, 32 and 6.
int ScreenBitsPerPixel();
int ScreenGreenBits();

}  // namespace imaging::surface
