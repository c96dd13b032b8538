#pragma once
// Where a TFastDIB's pixel memory comes from. On Windows it is a DIB section
// with its own memory DC (FastDIBSurface_win.cpp); elsewhere there is no GDI
// and the bitmap keeps a plain allocation (FastDIBSurface.cpp).

#include <cstdint>

#include "imaging/FastDIB.h"

namespace imaging::surface {

// A DIB section made from info, selected into a new memory DC; bits is set
// to its pixels. Null when the platform has no GDI or the section could not
// be made.
SectionPointer Create(const BitmapInfo& info, uint8_t*& bits);
GdiHandle DcOf(const Section* section);
GdiHandle BitmapOf(const Section* section);
GdiHandle BrushOf(const Section* section);
// Makes the GDI brush (style, COLORREF colour, hatch) and selects it into the
// section's DC, replacing the one before; nothing without a section.
void SelectBrush(Section* section, uint32_t style, uint32_t color, uint32_t hatch);
// Fills through GDI with the selected brush; false without a section or brush.
bool GdiFillRect(Section* section, const Rect& rect);
// Bits per pixel of the screen and the width of its green channel in 16-bit
// modes; without a screen, 32 and 6.
int ScreenBitsPerPixel();
int ScreenGreenBits();

}  // namespace imaging::surface
