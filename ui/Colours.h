#pragma once
// The program's colours, in one place: the pale blue of every heading
// gradient and frame line, and the blues of the gradient buttons. COLORREF
// values (0x00BBGGRR), so they compare with what GDI reads back.

#include <cstdint>

namespace ui {

// RGB(177, 203, 228): the light end of every heading gradient; frame lines.
inline constexpr uint32_t kHeadingBlue = 14994353;
// RGB(0, 143, 213): a gradient button's top, and the logo's middle bar.
inline constexpr uint32_t kButtonBlue = 13995776;
// RGB(0, 87, 130): a gradient button's top under the mouse; the logo's text.
inline constexpr uint32_t kDeepBlue = 8541952;
// RGB(196, 225, 255): a gradient button's bottom.
inline constexpr uint32_t kButtonPaleBlue = 16769476;
// RGB(120, 190, 240): the logo's lowest bar.
inline constexpr uint32_t kLightBlue = 15777400;

}  // namespace ui
