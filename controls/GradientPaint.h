#pragma once
// Fills the bands of GradientMath on a device context.

#include <windows.h>

#include <vector>

#include "controls/GradientMath.h"

namespace controls {

COLORREF ResolveColor(TColor color);

// Bands are relative to (offsetX, offsetY).
void FillBands(HDC dc, const std::vector<GradientBand>& bands, int offsetX = 0, int offsetY = 0);

}  // namespace controls
