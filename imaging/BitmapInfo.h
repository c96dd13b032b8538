#pragma once
// The Windows bitmap header and palette as they lie in a .bmp file and in
// memory (BITMAPINFOHEADER + 256 RGBQUAD), without <windows.h>.

#include <cstdint>

namespace imaging {

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiRle8 = 1;
constexpr uint32_t kBiRle4 = 2;
constexpr uint32_t kBiBitfields = 3;

struct RgbQuad {
  uint8_t Blue;
  uint8_t Green;
  uint8_t Red;
  uint8_t Reserved;
};

struct BitmapInfoHeader {
  uint32_t Size;
  int32_t Width;
  int32_t Height;
  uint16_t Planes;
  uint16_t BitCount;
  uint32_t Compression;
  uint32_t SizeImage;
  int32_t XPelsPerMeter;
  int32_t YPelsPerMeter;
  uint32_t ClrUsed;
  uint32_t ClrImportant;
};

struct BitmapInfo {
  BitmapInfoHeader Header;
  RgbQuad Colors[256];
};

static_assert(sizeof(RgbQuad) == 4, "RGBQUAD is 4 bytes");
static_assert(sizeof(BitmapInfoHeader) == 40, "BITMAPINFOHEADER is 40 bytes");
static_assert(sizeof(BitmapInfo) == 1064, "header and full palette are 1064 bytes");

}  // namespace imaging
