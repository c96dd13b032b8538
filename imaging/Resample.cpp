#include "imaging/Resample.h"

#include <algorithm>
#include <vector>

#include "imaging/ChannelWidening.h"

namespace imaging {

namespace {

struct Weights {
  uint32_t wy0, wy1, a, b;
};

inline uint32_t Blend(uint32_t p00, uint32_t p01, uint32_t p10, uint32_t p11, const Weights& w) {
  return (p00 * (w.wy0 - w.a) + p01 * w.a + p10 * (w.wy1 - w.b) + p11 * w.b) >> 16;
}

// Walks the destination in storage order and hands each pixel its two source
// rows, the two source columns and the weights. A source stored the other
// way up is read bottom to top so the picture is not flipped.
template <typename PixelFn>
void Walk(const TFastDIB& source, TFastDIB& destination, PixelFn pixel) {
  const int32_t sw = source.Width(), sh = source.AbsHeight;
  const int32_t dw = destination.Width(), dh = destination.AbsHeight;
  const int32_t xStep = int32_t((int64_t(sw - 1) * 65536) / dw);
  const int32_t yStep = int32_t((int64_t(sh - 1) * 65536) / dh);
  const bool flip = (source.Height() > 0) != (destination.Height() > 0);
  const auto sourceRow = [&](int32_t i) { return source.Row(flip ? sh - 1 - i : i); };
  uint8_t* out = destination.Bits();
  int32_t y = 0;
  for (int32_t row = 0; row < dh; ++row) {
    const int32_t sy = y >> 16;
    const uint8_t* row1 = sourceRow(sy);
    const uint8_t* row2 = sy < sh - 1 ? sourceRow(sy + 1) : row1;
    const uint32_t fy = uint32_t(y & 0xFFFF);
    Weights w{65536 - fy, fy + 1, 0, 0};
    int32_t x = 0;
    for (int32_t column = 0; column < dw; ++column) {
      const int32_t sx = x >> 16;
      // A one-pixel-wide source gives the right neighbour a weight of 0;
      // it is still never read past the row.
      const int32_t sx1 = std::min(sx + 1, sw - 1);
      const uint32_t fx = uint32_t(x & 0xFFFF);
      w.a = (w.wy0 * fx) >> 16;
      w.b = (w.wy1 * fx) >> 16;
      out = pixel(out, row1, row2, sx, sx1, w);
      x += xStep;
    }
    out += destination.Gap;
    y += yStep;
  }
}

void Resize16(const TFastDIB& source, TFastDIB& destination) {
  std::vector<uint8_t> blueIn(65536), greenIn(65536), redIn(65536);
  for (uint32_t v = 0; v < 65536; ++v) {
    blueIn[v] = PixelChannel(v, 0, source.BlueBits);
    greenIn[v] = PixelChannel(v, source.GreenShl, source.GreenBits);
    redIn[v] = PixelChannel(v, source.RedShl, source.RedBits);
  }
  uint16_t blueOut[256], greenOut[256], redOut[256];
  for (uint32_t i = 0; i < 256; ++i) {
    blueOut[i] = uint16_t(i >> destination.BlueShr);
    greenOut[i] = uint16_t((i >> destination.GreenShr) << destination.GreenShl);
    redOut[i] = uint16_t((i >> destination.RedShr) << destination.RedShl);
  }
  Walk(source, destination,
       [&](uint8_t* out, const uint8_t* r1, const uint8_t* r2, int32_t sx, int32_t sx1,
           const Weights& w) {
         const auto at = [](const uint8_t* row, int32_t x) {
           return uint32_t(row[2 * x] | (row[2 * x + 1] << 8));
         };
         const uint32_t p00 = at(r1, sx), p01 = at(r1, sx1), p10 = at(r2, sx), p11 = at(r2, sx1);
         const uint32_t blue = Blend(blueIn[p00], blueIn[p01], blueIn[p10], blueIn[p11], w);
         const uint32_t green = Blend(greenIn[p00], greenIn[p01], greenIn[p10], greenIn[p11], w);
         const uint32_t red = Blend(redIn[p00], redIn[p01], redIn[p10], redIn[p11], w);
         const uint32_t word = blueOut[blue] | greenOut[green] | redOut[red];
         out[0] = uint8_t(word);
         out[1] = uint8_t(word >> 8);
         return out + 2;
       });
}

template <int kBytes, int kChannels>
void ResizeBytes(const TFastDIB& source, TFastDIB& destination) {
  Walk(source, destination,
       [](uint8_t* out, const uint8_t* r1, const uint8_t* r2, int32_t sx, int32_t sx1,
          const Weights& w) {
         const uint8_t* p00 = r1 + kBytes * sx;
         const uint8_t* p01 = r1 + kBytes * sx1;
         const uint8_t* p10 = r2 + kBytes * sx;
         const uint8_t* p11 = r2 + kBytes * sx1;
         for (int c = 0; c < kChannels; ++c) {
           out[c] = uint8_t(Blend(p00[c], p01[c], p10[c], p11[c], w));
         }
         return out + kBytes;
       });
}

}  // namespace

bool SmoothResize(const TFastDIB& source, TFastDIB& destination) {
  if (source.Empty() || destination.Empty() || source.Bpp() != destination.Bpp()) return false;
  switch (destination.Bpp()) {
    case 8:
      ResizeBytes<1, 1>(source, destination);
      return true;
    case 16:
      Resize16(source, destination);
      return true;
    case 24:
      ResizeBytes<3, 3>(source, destination);
      return true;
    case 32:
      ResizeBytes<4, 3>(source, destination);
      return true;
  }
  return false;
}

}  // namespace imaging
