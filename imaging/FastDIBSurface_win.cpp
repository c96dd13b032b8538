// Pixel memory in a DIB section selected into its own memory DC, so GDI can
// draw the bitmap and draw into it.

#include <windows.h>

#include "imaging/FastDIBSurface.h"
#include "win/ScopedGdi.h"
#include "win/ScopedHandle.h"

namespace imaging::surface {

// The bitmap is made first and deleted last: the DC, deleted before it,
// still has it selected. The brush is selected out before it is deleted.
struct Section {
  win::ScopedBitmap bitmap;
  win::ScopedCompatibleDc dc{nullptr};
  win::ScopedBrush brush;

  ~Section() {
    if (brush && dc.Get() != nullptr) SelectObject(dc.Get(), GetStockObject(WHITE_BRUSH));
  }
};

void SectionRelease::operator()(Section* section) const {
  delete section;
}

SectionPointer Create(const BitmapInfo& info, uint8_t*& bits) {
  SectionPointer section(new Section);
  void* memory = nullptr;
  section->bitmap.Reset(CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&info),
                                         DIB_RGB_COLORS, &memory, nullptr, 0));
  if (!section->bitmap || memory == nullptr || section->dc.Get() == nullptr) return nullptr;
  SelectObject(section->dc.Get(), section->bitmap.Get());
  bits = static_cast<uint8_t*>(memory);
  return section;
}

GdiHandle DcOf(const Section* section) {
  return section != nullptr ? section->dc.Get() : nullptr;
}

GdiHandle BitmapOf(const Section* section) {
  return section != nullptr ? section->bitmap.Get() : nullptr;
}

GdiHandle BrushOf(const Section* section) {
  return section != nullptr ? section->brush.Get() : nullptr;
}

void SelectBrush(Section* section, uint32_t style, uint32_t color, uint32_t hatch) {
  if (section == nullptr) return;
  LOGBRUSH description{style, color, ULONG_PTR(hatch)};
  win::ScopedBrush brush(CreateBrushIndirect(&description));
  if (!brush) return;
  SelectObject(section->dc.Get(), brush.Get());
  // The old brush is no longer selected, so it may go.
  section->brush = std::move(brush);
}

bool GdiFillRect(Section* section, const Rect& rect) {
  if (section == nullptr || !section->brush) return false;
  const RECT area{rect.Left, rect.Top, rect.Right, rect.Bottom};
  const bool filled = FillRect(section->dc.Get(), &area, section->brush.Get()) != 0;
  GdiFlush();
  return filled;
}

int ScreenBitsPerPixel() {
  win::ScopedWindowDc screen;
  return GetDeviceCaps(screen.Get(), BITSPIXEL);
}

int ScreenGreenBits() {
  win::ScopedWindowDc screen;
  win::ScopedBitmap probe(CreateCompatibleBitmap(screen.Get(), 1, 1));
  win::ScopedCompatibleDc dc(screen.Get());
  COLORREF back;
  {
    win::ScopedSelect select(dc.Get(), probe.Get());
    SetPixel(dc.Get(), 0, 0, RGB(0, 100, 0));
    back = GetPixel(dc.Get(), 0, 0);
  }
  return GetGValue(back) < 100 ? 5 : 6;
}

}  // namespace imaging::surface
