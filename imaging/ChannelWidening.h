#pragma once
// Channels of 16- and 32-bit pixels narrower or wider than 8 bits, as 8-bit
// intensities.

#include <cstdint>

namespace imaging {

// The intensity of a channel value of `bits` bits (1 to 16). Narrow values
// have their bits repeated into the low bits, as Windows and other readers
// widen 5-5-5 and 5-6-5 pixels: 31 and 63 become 255, 16 becomes 132.
// Shifting alone would leave white at 248 and a full channel short of it.
// Values wider than 8 bits keep their top 8.
inline uint8_t WidenChannel(uint32_t value, int bits) {
  if (bits <= 0) return 0;
  if (bits >= 8) return uint8_t(value >> (bits - 8));
  int shift = 8 - bits;
  uint32_t wide = value << shift;
  while (shift > 0) {
    shift -= bits;
    wide |= shift >= 0 ? value << shift : value >> -shift;
  }
  return uint8_t(wide);
}

// The intensity of the channel of `pixel` that starts at bit `position`.
inline uint8_t PixelChannel(uint32_t pixel, int position, int bits) {
  const uint32_t mask = bits >= 32 ? 0xFFFFFFFFu : (1u << bits) - 1u;
  return WidenChannel((pixel >> position) & mask, bits);
}

}  // namespace imaging
