#include "imaging/PaletteBoxes.h"

#include <cstring>

namespace imaging {

namespace {

template <typename CellFn>
void ForEachCell(const Box& box, CellFn fn) {
  for (uint32_t r = box[0]; r <= box[3]; ++r) {
    for (uint32_t g = box[1]; g <= box[4]; ++g) {
      const uint32_t base = r * 2048 + g * 32;
      for (uint32_t b = box[2]; b <= box[5]; ++b) fn(base + b, r, g, b);
    }
  }
}

void Shrink(const std::vector<uint8_t>& grid, Box& box) {
  Box found = {255, 255, 255, 0, 0, 0};
  bool any = false;
  ForEachCell(box, [&](uint32_t cell, uint32_t r, uint32_t g, uint32_t b) {
    if (!grid[cell]) return;
    any = true;
    const uint8_t v[3] = {uint8_t(r), uint8_t(g), uint8_t(b)};
    for (int c = 0; c < 3; ++c) {
      if (v[c] < found[c]) found[c] = v[c];
      if (v[c] > found[c + 3]) found[c + 3] = v[c];
    }
  });
  if (any) box = found;
}

}  // namespace

PaletteBoxes SplitBoxes(const TFastDIB& source, int lastIndex) {
  PaletteBoxes result;
  result.grid.assign(65536, 0);
  const int step = source.Bpp() / 8;
  for (int32_t y = 0; y < source.AbsHeight; ++y) {
    const uint8_t* p = source.Row(y);
    for (int32_t x = 0; x < source.Width(); ++x, p += step) {
      result.grid[GridCell(p[2], p[1], p[0])] = 1;
    }
  }
  std::vector<Box>& boxes = result.boxes;
  boxes.reserve(size_t(lastIndex) + 1);
  boxes.push_back(Box{0, 0, 0, 31, 63, 31});
  Shrink(result.grid, boxes[0]);

  while (int(boxes.size()) - 1 < lastIndex) {
    // Extents in grid units, so green with its 64 levels counts double; ties
    // go to the lower box and to red before green before blue.
    int best = 1, bestBox = 0, bestChannel = 0;
    for (size_t i = 0; i < boxes.size(); ++i) {
      for (int c = 0; c < 3; ++c) {
        const int extent = boxes[i][c + 3] - boxes[i][c];
        if (extent > best) {
          best = extent;
          bestBox = int(i);
          bestChannel = c;
        }
      }
    }
    if (best == 1) break;
    Box upper = boxes[size_t(bestBox)];
    Box& lower = boxes[size_t(bestBox)];
    const uint8_t middle = uint8_t((lower[bestChannel] + lower[bestChannel + 3]) / 2);
    lower[bestChannel + 3] = middle;
    upper[bestChannel] = uint8_t(middle + 1);
    boxes.push_back(upper);
    Shrink(result.grid, boxes.back());
    Shrink(result.grid, boxes[size_t(bestBox)]);
  }
  return result;
}

void WriteBoxPalette(const PaletteBoxes& boxes, RgbQuad* colors) {
  for (size_t i = 0; i < boxes.boxes.size(); ++i) {
    const Box& box = boxes.boxes[i];
    colors[i].Red = uint8_t((box[0] + box[3]) * 4);
    colors[i].Green = uint8_t((box[1] + box[4]) * 2);
    colors[i].Blue = uint8_t((box[2] + box[5]) * 4);
    colors[i].Reserved = 0;
  }
}

void MapCells(PaletteBoxes& boxes, bool fillUnused) {
  if (fillUnused) std::memset(boxes.grid.data(), 255, boxes.grid.size());
  for (size_t i = 0; i < boxes.boxes.size(); ++i) {
    ForEachCell(boxes.boxes[i], [&](uint32_t cell, uint32_t, uint32_t, uint32_t) {
      boxes.grid[cell] = uint8_t(i);
    });
  }
}

}  // namespace imaging
