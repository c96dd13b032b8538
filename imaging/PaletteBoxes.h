#pragma once
// The optimiser's colour grid and boxes: which 5-6-5 cells occur, how the
// boxes around them are split, and the palette and cell map they give.

#include <array>
#include <cstdint>
#include <vector>

#include "imaging/FastDIB.h"

namespace imaging {

inline uint32_t GridCell(uint32_t red, uint32_t green, uint32_t blue) {
  return (red >> 3) * 2048 + (green >> 2) * 32 + (blue >> 3);
}

// Red minimum, green minimum, blue minimum, red maximum, green maximum,
// blue maximum, in grid units, inclusive.
using Box = std::array<uint8_t, 6>;

struct PaletteBoxes {
  std::vector<uint8_t> grid;  // 65536 cells: occupancy, then palette index
  std::vector<Box> boxes;     // box i gives palette entry i
};

// Marks every cell a pixel of the 24- or 32-bit source falls in, then splits
// boxes until there are lastIndex + 1 of them or none spans more than two
// grid values in any channel.
PaletteBoxes SplitBoxes(const TFastDIB& source, int lastIndex);
// Entry i = the centre of box i; entries after the last box are untouched.
void WriteBoxPalette(const PaletteBoxes& boxes, RgbQuad* colors);
// Every cell inside box i reads i; with fillUnused, cells outside every box
// read 255 first.
void MapCells(PaletteBoxes& boxes, bool fillUnused);

}  // namespace imaging
