#include "controls/GradientMath.h"

#include <algorithm>
#include <cstdint>

namespace controls {

uint32_t ColorToRgb(TColor color, const SysColorResolver& resolver) {
  if (IsSystemColor(color)) {
    return resolver ? (resolver(color & 0xFF) & 0xFFFFFFu) : 0;
  }
  return static_cast<uint32_t>(color) & 0xFFFFFFu;
}

int ClampColorSteps(int steps) {
  return std::clamp(steps, kMinColorSteps, kMaxColorSteps);
}

int MulDivRound(int a, int b, int c) {
  if (c == 0) return -1;
  int64_t product = int64_t(a) * int64_t(b);
  bool negative = (product < 0) != (c < 0);
  uint64_t magnitude = product < 0 ? uint64_t(-product) : uint64_t(product);
  uint64_t divisor = c < 0 ? uint64_t(-int64_t(c)) : uint64_t(c);
  uint64_t quotient = (magnitude + divisor / 2) / divisor;
  if (quotient > uint64_t(INT32_MAX)) return -1;
  return negative ? -int(quotient) : int(quotient);
}

std::vector<uint32_t> GradientColorTable(uint32_t from, uint32_t to, int steps) {
  steps = ClampColorSteps(steps);
  const double dr = (double(RedOf(to)) - RedOf(from)) / steps;
  const double dg = (double(GreenOf(to)) - GreenOf(from)) / steps;
  const double db = (double(BlueOf(to)) - BlueOf(from)) / steps;
  std::vector<uint32_t> table;
  table.reserve(size_t(steps));
  for (int i = 0; i < steps; ++i) {
    // Conversion to int truncates toward zero, as the table is defined.
    table.push_back(MakeRgb(int(RedOf(from) + i * dr), int(GreenOf(from) + i * dg),
                            int(BlueOf(from) + i * db)));
  }
  return table;
}

std::vector<GradientBand> GradientBands(TGradientStyle style, uint32_t startColor,
                                        uint32_t endColor, int steps, int width, int height) {
  std::vector<GradientBand> bands;
  if (width <= 0 || height <= 0) return bands;
  if (style == gsNone) {
    bands.push_back({0, 0, width, height, startColor});
    return bands;
  }
  const bool startFirst = style == gsTop || style == gsLeft;
  const bool vertical = style == gsTop || style == gsBottom;
  steps = ClampColorSteps(steps);
  const std::vector<uint32_t> table = startFirst ? GradientColorTable(startColor, endColor, steps)
                                                 : GradientColorTable(endColor, startColor, steps);
  const int extent = vertical ? height : width;
  for (int i = 0; i < steps; ++i) {
    const int from = MulDivRound(i, extent, steps);
    const int to = MulDivRound(i + 1, extent, steps);
    if (to <= from) continue;
    if (vertical) {
      bands.push_back({0, from, width, to, table[size_t(i)]});
    } else {
      bands.push_back({from, 0, to, height, table[size_t(i)]});
    }
  }
  return bands;
}

std::vector<GradientBand> PushButtonBands(uint32_t beginColor, uint32_t endColor, int width,
                                          int height) {
  std::vector<GradientBand> bands;
  if (width <= 0 || height <= 0) return bands;
  constexpr int kBands = 256;
  auto channel = [](int begin, int end, int i) { return begin + (i * (end - begin)) / 255; };
  for (int i = 0; i < kBands; ++i) {
    const int top = i * height / kBands;
    const int bottom = (i + 1) * height / kBands;
    if (bottom <= top) continue;
    bands.push_back({0, top, width, bottom,
                     MakeRgb(channel(RedOf(beginColor), RedOf(endColor), i),
                             channel(GreenOf(beginColor), GreenOf(endColor), i),
                             channel(BlueOf(beginColor), BlueOf(endColor), i))});
  }
  return bands;
}

}  // namespace controls
