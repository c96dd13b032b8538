#pragma once
// The program's colours, as the window definitions store them (0x00BBGGRR).

#include "controls/GradientMath.h"

namespace controls {

// The light blue of every heading strip, frame line and push-button hover.
constexpr TColor kHeadingBlue = 14994353;
// The small gradient buttons ("?", "_", "Close", links, the main window's
// manager buttons): top to bottom, normal and hovered.
constexpr TColor kButtonBlue = 13995776;
constexpr TColor kButtonHoverBlue = 8541952;
constexpr TColor kButtonPaleBlue = 16769476;

}  // namespace controls
