#include "imaging/PaletteReduction.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "imaging/ChannelWidening.h"
#include "imaging/FloydSteinberg.h"
#include "imaging/PaletteBoxes.h"

namespace imaging {

namespace {

uint8_t IndexAt(const uint8_t* row, int32_t x, int bpp) {
  switch (bpp) {
    case 8:
      return row[x];
    case 4:
      return uint8_t((x & 1) ? row[x / 2] & 0x0F : row[x / 2] >> 4);
    default:
      return uint8_t((row[x / 8] >> (7 - (x & 7))) & 1);
  }
}

// Any source into 24 or 32 bits: blue, green, red bytes per pixel.
void ToTrueColour(TFastDIB& destination, const TFastDIB& source) {
  const int32_t width = source.Width();
  const int outStep = destination.Bpp() / 8;
  const int bpp = source.Bpp();
  if (bpp == 24 && outStep == 3) {
    std::memcpy(destination.Bits(), source.Bits(), source.ImageSize());
    return;
  }
  // The table pays off only when there are more pixels than entries.
  const bool useTable = int64_t(width) * source.AbsHeight >= 65536;
  std::unique_ptr<uint8_t[]> table16;
  if (bpp == 16 && useTable) {
    table16.reset(new uint8_t[65536 * 3]);
    for (uint32_t v = 0; v < 65536; ++v) {
      table16[3 * v] = PixelChannel(v, 0, source.BlueBits);
      table16[3 * v + 1] = PixelChannel(v, source.GreenShl, source.GreenBits);
      table16[3 * v + 2] = PixelChannel(v, source.RedShl, source.RedBits);
    }
  }
  for (int32_t y = 0; y < source.AbsHeight; ++y) {
    const uint8_t* in = source.Row(y);
    uint8_t* out = destination.Row(y);
    for (int32_t x = 0; x < width; ++x, out += outStep) {
      const uint8_t* bgr;
      uint8_t entry[3];
      if (bpp == 24 || bpp == 32) {
        bgr = in + size_t(x) * size_t(bpp / 8);
      } else if (bpp == 16) {
        const uint32_t v = uint32_t(in[2 * x] | (in[2 * x + 1] << 8));
        if (useTable) {
          bgr = &table16[3 * size_t(v)];
        } else {
          entry[0] = PixelChannel(v, 0, source.BlueBits);
          entry[1] = PixelChannel(v, source.GreenShl, source.GreenBits);
          entry[2] = PixelChannel(v, source.RedShl, source.RedBits);
          bgr = entry;
        }
      } else {
        const RgbQuad& c = source.Colors[IndexAt(in, x, bpp)];
        entry[0] = c.Blue, entry[1] = c.Green, entry[2] = c.Red;
        bgr = entry;
      }
      out[0] = bgr[0], out[1] = bgr[1], out[2] = bgr[2];
    }
  }
}

void PutIndex(uint8_t* row, int32_t x, int bpp, uint8_t index) {
  if (bpp == 8) {
    row[x] = index;
  } else if (x & 1) {
    row[x / 2] = uint8_t((row[x / 2] & 0xF0) | index);
  } else {
    row[x / 2] = uint8_t((row[x / 2] & 0x0F) | (index << 4));
  }
}

// At most 2^bpp colours: each gets the next entry in storage order.
void ExactConversion(TFastDIB& destination, const TFastDIB& source) {
  const int step = source.Bpp() / 8;
  const int bpp = destination.Bpp();
  // 16 MB of indices, read only where the 2 MB bit set says they were written.
  std::unique_ptr<uint8_t[]> indexOf(new uint8_t[size_t(1) << 24]);
  std::vector<uint8_t> assigned(size_t(1) << 21, 0);
  int next = 0;
  for (int32_t y = 0; y < source.AbsHeight; ++y) {
    const uint8_t* p = source.Row(y);
    uint8_t* out = destination.Row(y);
    for (int32_t x = 0; x < source.Width(); ++x, p += step) {
      const uint32_t key = (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
      const uint8_t bit = uint8_t(1u << (key & 7));
      if (!(assigned[key >> 3] & bit)) {
        assigned[key >> 3] |= bit;
        indexOf[key] = uint8_t(next);
        destination.Colors[next] = RgbQuad{p[0], p[1], p[2], 0};
        ++next;
      }
      PutIndex(out, x, bpp, indexOf[key]);
    }
  }
}

// Optimised palette of lastIndex + 1 entries at most into an 8-bit picture.
void Optimise(TFastDIB& destination, const TFastDIB& source, int lastIndex, bool dither) {
  PaletteBoxes boxes = SplitBoxes(source, lastIndex);
  WriteBoxPalette(boxes, destination.Colors);
  MapCells(boxes, dither);
  if (dither) {
    DitherToPalette(source, destination, boxes, int(boxes.boxes.size()) - 1);
    return;
  }
  const int step = source.Bpp() / 8;
  for (int32_t y = 0; y < source.AbsHeight; ++y) {
    const uint8_t* p = source.Row(y);
    uint8_t* out = destination.Row(y);
    for (int32_t x = 0; x < source.Width(); ++x, p += step) {
      out[x] = boxes.grid[GridCell(p[2], p[1], p[0])];
    }
  }
}

bool ToPalette(TFastDIB& destination, const TFastDIB& source, bool dither) {
  const int bpp = destination.Bpp();
  const int64_t limit = int64_t(1) << bpp;
  if (source.CountColors() <= limit) {
    ExactConversion(destination, source);
    return true;
  }
  if (bpp == 8) {
    Optimise(destination, source, 255, dither);
    return true;
  }
  TFastDIB indices;
  indices.UseGDI = false;
  if (!indices.SetSize(source.Width(), source.Height(), 8)) return false;
  Optimise(indices, source, 15, dither);
  std::memcpy(destination.Colors, indices.Colors, 16 * sizeof(RgbQuad));
  for (int32_t y = 0; y < source.AbsHeight; ++y) {
    const uint8_t* in = indices.Row(y);
    uint8_t* out = destination.Row(y);
    for (int32_t x = 0; x < source.Width(); ++x) PutIndex(out, x, 4, in[x]);
  }
  return true;
}

}  // namespace

bool Convert(TFastDIB& destination, const TFastDIB& source, bool dither) {
  if (source.Empty() || destination.Empty() || source.Width() != destination.Width() ||
      source.Height() != destination.Height()) {
    return false;
  }
  switch (destination.Bpp()) {
    case 24:
    case 32:
      ToTrueColour(destination, source);
      return true;
    case 8:
    case 4:
      if (source.Bpp() == 24 || source.Bpp() == 32) return ToPalette(destination, source, dither);
      {
        TFastDIB wide;
        wide.UseGDI = false;
        if (!wide.SetSize(source.Width(), source.Height(), 24)) return false;
        ToTrueColour(wide, source);
        return ToPalette(destination, wide, dither);
      }
  }
  return false;
}

bool ChangeBits(TFastDIB& dib, int bpp) {
  if (dib.Bpp() == bpp) return true;
  TFastDIB converted;
  converted.UseGDI = dib.UseGDI;
  if (!converted.SetSize(dib.Width(), dib.Height(), bpp)) return false;
  if (!Convert(converted, dib, true)) return false;
  dib.TakeOver(converted);
  return true;
}

}  // namespace imaging
