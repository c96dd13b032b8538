#pragma once
// Colour tables and band geometry of the gradient controls. Portable: the
// window classes turn these bands into rectangles on a device context, the
// unit tests check them without one.

#include <cstdint>
#include <functional>
#include <vector>

namespace controls {

// A colour as the window definitions store it: 0x00BBGGRR, or a system colour
// with the high byte 0xFF and the system colour index in the low byte.
using TColor = int32_t;

constexpr TColor clWhite = 16777215;
constexpr TColor clGray = 8421504;
constexpr TColor clSilver = 12632256;
constexpr TColor clWindowText = static_cast<TColor>(0xFF000008);
constexpr TColor clBtnFace = static_cast<TColor>(0xFF00000F);

constexpr bool IsSystemColor(TColor color) {
  return (static_cast<uint32_t>(color) & 0xFF000000u) == 0xFF000000u;
}

// Resolves a system colour index to 0x00BBGGRR; the window classes pass
// GetSysColor, tests pass a table.
using SysColorResolver = std::function<uint32_t(int index)>;
uint32_t ColorToRgb(TColor color, const SysColorResolver& resolver);

constexpr uint8_t RedOf(uint32_t rgb) {
  return rgb & 0xFF;
}
constexpr uint8_t GreenOf(uint32_t rgb) {
  return (rgb >> 8) & 0xFF;
}
constexpr uint8_t BlueOf(uint32_t rgb) {
  return (rgb >> 16) & 0xFF;
}
constexpr uint32_t MakeRgb(int r, int g, int b) {
  return uint32_t(r & 0xFF) | (uint32_t(g & 0xFF) << 8) | (uint32_t(b & 0xFF) << 16);
}

enum TGradientStyle { gsNone, gsBottom, gsLeft, gsRight, gsTop };

constexpr int kMinColorSteps = 1;
constexpr int kMaxColorSteps = 255;
// Values outside 1..255 would index past the table or divide by zero.
int ClampColorSteps(int steps);

// Windows' MulDiv: a * b / c computed in 64 bits, rounded half away from
// zero; -1 when c is 0.
int MulDivRound(int a, int b, int c);

// n colours from a towards b (both 0x00BBGGRR); the last one is one step
// short of b.
std::vector<uint32_t> GradientColorTable(uint32_t from, uint32_t to, int steps);

struct GradientBand {
  int left = 0;
  int top = 0;
  int right = 0;   // exclusive
  int bottom = 0;  // exclusive
  uint32_t color = 0;
  bool operator==(const GradientBand& other) const {
    return left == other.left && top == other.top && right == other.right &&
           bottom == other.bottom && color == other.color;
  }
};

// The rectangles a gradient control of width x height fills, in painting
// order. startColor and endColor are already resolved to 0x00BBGGRR.
std::vector<GradientBand> GradientBands(TGradientStyle style, uint32_t startColor,
                                        uint32_t endColor, int steps, int width, int height);

// The push button's vertical gradient: 256 bands from beginColor at the top
// to exactly endColor at the bottom (bands of zero height are left out).
std::vector<GradientBand> PushButtonBands(uint32_t beginColor, uint32_t endColor, int width,
                                          int height);

}  // namespace controls
