#include "DibFactory.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace imaging::test {

void Make24(TFastDIB& dib, int32_t width, int32_t height, const std::vector<uint32_t>& topDown) {
  dib.SetSize(width, height, 24);
  for (int32_t y = 0; y < height; ++y) {
    uint8_t* row = dib.DisplayRow(y);
    for (int32_t x = 0; x < width; ++x) {
      const uint32_t c = topDown[size_t(y) * size_t(width) + size_t(x)];
      row[3 * x] = uint8_t(c), row[3 * x + 1] = uint8_t(c >> 8), row[3 * x + 2] = uint8_t(c >> 16);
    }
  }
}

uint32_t PixelAt(const TFastDIB& dib, int32_t x, int32_t y) {
  const int step = dib.Bpp() / 8;
  const uint8_t* p = dib.DisplayRow(y) + size_t(x) * size_t(step);
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16);
}

uint32_t ShownAt(const TFastDIB& dib, int32_t x, int32_t y) {
  if (dib.Bpp() >= 24) return PixelAt(dib, x, y);
  const uint8_t* row = dib.DisplayRow(y);
  uint32_t index = 0;
  switch (dib.Bpp()) {
    case 8:
      index = row[x];
      break;
    case 4:
      index = (x & 1) ? row[x / 2] & 0x0F : row[x / 2] >> 4;
      break;
    case 1:
      index = (row[x / 8] >> (7 - (x & 7))) & 1;
      break;
    case 16: {
      const uint32_t v = row[2 * x] | (row[2 * x + 1] << 8);
      const uint32_t b = (v & ((1u << dib.BlueBits) - 1)) << dib.BlueShr;
      const uint32_t g = ((v >> dib.GreenShl) & ((1u << dib.GreenBits) - 1)) << dib.GreenShr;
      const uint32_t r = ((v >> dib.RedShl) & ((1u << dib.RedBits) - 1)) << dib.RedShr;
      return (r << 16) | (g << 8) | b;
    }
  }
  const RgbQuad& c = dib.Colors[index];
  return (uint32_t(c.Red) << 16) | (uint32_t(c.Green) << 8) | c.Blue;
}

void Put16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(uint8_t(value));
  out.push_back(uint8_t(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  Put16(out, value);
  Put16(out, value >> 16);
}

std::string TempPath(const std::string& name) {
  const char* base = std::getenv("TMPDIR");
  return std::string(base ? base : "/tmp") + "/quorlo-imaging-" + std::to_string(getpid()) + "-" +
         name;
}

std::string Hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof(text), "%06X", value);
  return text;
}

}  // namespace imaging::test
