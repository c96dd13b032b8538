// Pixel memory in a DIB section selected into its own memory DC, so GDI can
// draw the bitmap and draw into it.

#include <windows.h>

#include "imaging/FastDIBSurface.h"
#include "win/ScopedGdi.h"
#include "win/ScopedHandle.h"

namespace imaging::surface {

namespace {

HDC AsDC(GdiHandle h) {
  return static_cast<HDC>(h);
}

void DeleteBrush(TFastDIB& dib) {
  if (dib.BrushHandle == nullptr) return;
  if (dib.DC != nullptr) SelectObject(AsDC(dib.DC), GetStockObject(WHITE_BRUSH));
  DeleteObject(static_cast<HBRUSH>(dib.BrushHandle));
  dib.BrushHandle = nullptr;
}

}  // namespace

bool Create(TFastDIB& dib) {
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&dib.Info),
                                    DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr || bits == nullptr) {
    if (bitmap != nullptr) DeleteObject(bitmap);
    return false;
  }
  HDC dc = CreateCompatibleDC(nullptr);
  if (dc == nullptr) {
    DeleteObject(bitmap);
    return false;
  }
  SelectObject(dc, bitmap);
  dib.DC = dc;
  dib.BitmapHandle = bitmap;
  dib.Bits = static_cast<uint8_t*>(bits);
  dib.OwnsDC = true;
  dib.OwnsBitmap = true;
  dib.OwnsBits = false;
  return true;
}

void Release(TFastDIB& dib) {
  DeleteBrush(dib);
  // The DC goes first so the bitmap is no longer selected when it is deleted.
  if (dib.OwnsDC && dib.DC != nullptr) DeleteDC(AsDC(dib.DC));
  if (dib.OwnsBitmap && dib.BitmapHandle != nullptr) {
    DeleteObject(static_cast<HBITMAP>(dib.BitmapHandle));
  }
  if (dib.OwnsBitmap) dib.Bits = nullptr;
  dib.DC = nullptr;
  dib.BitmapHandle = nullptr;
  dib.OwnsDC = false;
  dib.OwnsBitmap = false;
}

void SelectBrush(TFastDIB& dib) {
  if (dib.DC == nullptr) return;
  LOGBRUSH description{dib.BrushStyle, dib.BrushColor, ULONG_PTR(dib.BrushHatch)};
  HBRUSH brush = CreateBrushIndirect(&description);
  if (brush == nullptr) return;
  HGDIOBJ previous = SelectObject(AsDC(dib.DC), brush);
  if (dib.BrushHandle != nullptr && previous == dib.BrushHandle) DeleteObject(previous);
  dib.BrushHandle = brush;
}

bool GdiFillRect(TFastDIB& dib, const Rect& rect) {
  if (dib.DC == nullptr) return false;
  if (dib.BrushHandle == nullptr) SelectBrush(dib);
  if (dib.BrushHandle == nullptr) return false;
  const RECT area{rect.Left, rect.Top, rect.Right, rect.Bottom};
  const bool filled = FillRect(AsDC(dib.DC), &area, static_cast<HBRUSH>(dib.BrushHandle)) != 0;
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
