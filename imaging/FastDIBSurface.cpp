// Builds without GDI: a bitmap always keeps a plain allocation.

#include "imaging/FastDIBSurface.h"

namespace imaging::surface {

bool Create(TFastDIB&) {
  return false;
}

void Release(TFastDIB& dib) {
  dib.DC = nullptr;
  dib.BitmapHandle = nullptr;
  dib.BrushHandle = nullptr;
  dib.OwnsDC = false;
  dib.OwnsBitmap = false;
}

void SelectBrush(TFastDIB&) {}

bool GdiFillRect(TFastDIB&, const Rect&) {
  return false;
}

int ScreenBitsPerPixel() {
  return 32;
}

int ScreenGreenBits() {
  return 6;
}

}  // namespace imaging::surface
