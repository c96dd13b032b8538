// Builds without GDI: a bitmap always keeps a plain allocation.

#include "imaging/FastDIBSurface.h"

namespace imaging::surface {

struct Section {};

void SectionRelease::operator()(Section* section) const {
  delete section;
}

SectionPointer Create(const BitmapInfo&, uint8_t*&) {
  return nullptr;
}

GdiHandle DcOf(const Section*) {
  return nullptr;
}

GdiHandle BitmapOf(const Section*) {
  return nullptr;
}

GdiHandle BrushOf(const Section*) {
  return nullptr;
}

void SelectBrush(Section*, uint32_t, uint32_t, uint32_t) {}

bool GdiFillRect(Section*, const Rect&) {
  return false;
}

int ScreenBitsPerPixel() {
  return 32;
}

int ScreenGreenBits() {
  return 6;
}

}  // namespace imaging::surface
