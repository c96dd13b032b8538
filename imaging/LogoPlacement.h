#pragma once
// Where a picture goes on a logo. Logos are shown stretched to a 640 x 480
// screen, so the picture is sized as it would look there.

#include <cstdint>

namespace imaging {

struct LogoPlacement {
  int32_t Left, Top, Right, Bottom;
  int32_t Width() const { return Right - Left; }
  int32_t Height() const { return Bottom - Top; }
};

// fit: enlarged or reduced to the largest size that fits a 640 x 480 screen
// with its proportions kept; otherwise the size it has on such a screen.
// A picture that would shrink below one pixel keeps one.
LogoPlacement PlaceOnLogo(int32_t pictureWidth, int32_t pictureHeight, int32_t logoWidth,
                          int32_t logoHeight, bool fit);

}  // namespace imaging
