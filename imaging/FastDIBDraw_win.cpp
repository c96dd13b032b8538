#include "imaging/FastDIBDraw_win.h"

namespace imaging {

int DrawToDC(const TFastDIB& dib, HDC target, int x, int y) {
  if (dib.Empty() || target == nullptr) return 0;
  if (dib.Dc() != nullptr) {
    return BitBlt(target, x, y, dib.Width(), dib.AbsHeight, static_cast<HDC>(dib.Dc()), 0, 0,
                  SRCCOPY);
  }
  return StretchDIBits(target, x, y, dib.Width(), dib.AbsHeight, 0, 0, dib.Width(), dib.AbsHeight,
                       dib.Bits(), reinterpret_cast<const BITMAPINFO*>(&dib.Info), DIB_RGB_COLORS,
                       SRCCOPY);
}

}  // namespace imaging
