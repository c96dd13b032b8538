#include "imaging/FloydSteinberg.h"

#include <vector>

namespace imaging {

namespace {

struct Accumulator {
  int32_t red, green, blue;
};

// Entry x + 1 belongs to pixel x; one guard entry at either end takes the
// errors that fall past the row.
void LoadRow(const uint8_t* row, int32_t width, int step, std::vector<Accumulator>& out) {
  for (int32_t x = 0; x < width; ++x, row += step) {
    out[size_t(x) + 1] = Accumulator{row[2] * 16, row[1] * 16, row[0] * 16};
  }
}

int32_t Clamp(int32_t value) {
  return value < 0 ? 0 : value > 255 ? 255 : value;
}

uint8_t Nearest(const RgbQuad* colors, int lastIndex, int32_t red, int32_t green, int32_t blue) {
  int best = lastIndex;
  int32_t bestDistance = INT32_MAX;
  // Downwards with a strict comparison: on a tie the higher index wins.
  for (int i = lastIndex; i >= 0; --i) {
    const int32_t dr = red - colors[i].Red, dg = green - colors[i].Green,
                  db = blue - colors[i].Blue;
    const int32_t distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = i;
    }
  }
  return uint8_t(best);
}

}  // namespace

void DitherToPalette(const TFastDIB& source, TFastDIB& destination, PaletteBoxes& boxes,
                     int lastIndex) {
  const int32_t width = source.Width(), height = source.AbsHeight;
  const int step = source.Bpp() / 8;
  const RgbQuad* colors = destination.Colors;
  std::vector<Accumulator> rowA(size_t(width) + 2, Accumulator{0, 0, 0});
  std::vector<Accumulator> rowB(size_t(width) + 2, Accumulator{0, 0, 0});
  std::vector<Accumulator>* current = &rowA;
  std::vector<Accumulator>* next = &rowB;
  LoadRow(source.Row(0), width, step, *current);

  for (int32_t y = 0; y < height; ++y) {
    if (y + 1 < height) LoadRow(source.Row(y + 1), width, step, *next);
    uint8_t* out = destination.Row(y);
    const bool forward = (y & 1) == 0;
    const int direction = forward ? 1 : -1;
    Accumulator* a = current->data();
    Accumulator* b = next->data();
    for (int32_t i = 0; i < width; ++i) {
      const int32_t x = forward ? i : width - 1 - i;
      const size_t at = size_t(x) + 1;
      const int32_t red = Clamp(a[at].red / 16);
      const int32_t green = Clamp(a[at].green / 16);
      const int32_t blue = Clamp(a[at].blue / 16);
      uint8_t& cell = boxes.grid[GridCell(uint32_t(red), uint32_t(green), uint32_t(blue))];
      if (cell == 255) cell = Nearest(colors, lastIndex, red, green, blue);
      const uint8_t index = cell;
      out[x] = index;
      const int32_t errors[3] = {red - colors[index].Red, green - colors[index].Green,
                                 blue - colors[index].Blue};
      int32_t Accumulator::*const channels[3] = {&Accumulator::red, &Accumulator::green,
                                                 &Accumulator::blue};
      for (int c = 0; c < 3; ++c) {
        const int32_t e = errors[c];
        if (e == 0) continue;
        a[at + direction].*channels[c] += e * 7;
        b[at - direction].*channels[c] += e * 3;
        b[at].*channels[c] += e * 5;
        b[at + direction].*channels[c] += e;
      }
    }
    std::swap(current, next);
  }
}

}  // namespace imaging
