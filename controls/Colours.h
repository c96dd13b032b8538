#pragma once
// The program's colours, as the window definitions store them (0x00BBGGRR),
// so they compare with what GDI reads back.

#include "controls/GradientMath.h"

namespace controls {

// RGB(177, 203, 228): the light end of every heading strip, frame lines and
// the push buttons' hover.
constexpr TColor kHeadingBlue = 14994353;
// RGB(0, 143, 213): the small gradient buttons' top ("?", "_", "Close",
// links, the main window's manager buttons), and the About logo's middle bar.
constexpr TColor kButtonBlue = 13995776;
// RGB(0, 87, 130): those buttons' top under the mouse; the About logo's text.
constexpr TColor kDeepBlue = 8541952;
// RGB(196, 225, 255): those buttons' bottom.
constexpr TColor kButtonPaleBlue = 16769476;
// RGB(120, 190, 240): the About logo's lowest bar.
constexpr TColor kLightBlue = 15777400;

}  // namespace controls
