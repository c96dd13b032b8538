#include "controls/GradientPaint.h"

#include "win/ScopedGdi.h"

namespace controls {

COLORREF ResolveColor(TColor color) {
  return ColorToRgb(color, [](int index) { return uint32_t(GetSysColor(index)); });
}

void FillBands(HDC dc, const std::vector<GradientBand>& bands, int offsetX, int offsetY) {
  for (const GradientBand& band : bands) {
    RECT rect{band.left + offsetX, band.top + offsetY, band.right + offsetX, band.bottom + offsetY};
    win::ScopedBrush brush(CreateSolidBrush(band.color));
    FillRect(dc, &rect, brush.Get());
  }
}

}  // namespace controls
