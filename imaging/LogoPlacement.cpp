#include "imaging/LogoPlacement.h"

#include <cmath>

namespace imaging {

namespace {

// Round to nearest with ties to even, in the default rounding mode.
int32_t RoundEven(long double value) {
  return int32_t(std::nearbyintl(value));
}

}  // namespace

LogoPlacement PlaceOnLogo(int32_t pictureWidth, int32_t pictureHeight, int32_t logoWidth,
                          int32_t logoHeight, bool fit) {
  // Extended precision on both x86 builds, so they place alike.
  const long double pw = pictureWidth, ph = pictureHeight;
  const long double lw = logoWidth, lh = logoHeight;
  long double w, h;
  if (fit) {
    long double s = 640.0L / pw;
    if (ph * s > 480.0L) s = 480.0L / ph;
    h = ph * s * (lh / 480.0L);
    w = pw * s * (lw / 640.0L);
  } else {
    h = ph * (lh / 480.0L);
    w = pw * (lw / 640.0L);
  }
  LogoPlacement p;
  p.Left = RoundEven(lw - w) / 2;
  p.Top = RoundEven(lh - h) / 2;
  const int32_t width = RoundEven(w), height = RoundEven(h);
  p.Right = p.Left + (width < 1 ? 1 : width);
  p.Bottom = p.Top + (height < 1 ? 1 : height);
  return p;
}

}  // namespace imaging
