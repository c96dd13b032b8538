// logo_reference PICTURE OUT.bmp WxH: the logo pipeline up to, not
// including, the palette reduction (fitted, on black), saved at 24 bits. The
// picture is read as quorlo-cli logo --fit reads it (a large JPEG at a
// reduced DCT scale, placed by its full size).

#include <cstdio>
#include <cstdlib>
#include <string>

#include "imaging/LogoPipeline.h"
#include "imaging/LogoPlacement.h"
#include "imaging/PaletteReduction.h"
#include "imaging/PictureFile.h"
#include "imaging/Resample.h"

using namespace imaging;

int main(int argc, char** argv) {
  int width = 0, height = 0;
  if (argc != 4 || std::sscanf(argv[3], "%dx%d", &width, &height) != 2 || width <= 0 ||
      height <= 0) {
    std::fprintf(stderr, "usage: logo_reference PICTURE OUT.bmp WxH\n");
    return 2;
  }
  TFastDIB picture;
  std::string reason;
  LogoSpec spec;
  spec.Width = width, spec.Height = height, spec.Fit = true;
  PictureSize full;
  if (!LoadPortablePicture(argv[1], 0, picture, &reason, SmallestDecodeSize(spec), &full)) {
    std::fprintf(stderr, "%s: %s\n", argv[1], reason.c_str());
    return 1;
  }
  if (picture.Bpp() < 24 && !ChangeBits(picture, 24)) return 1;
  const LogoPlacement place = PlaceOnLogo(full.Width, full.Height, width, height, true);
  TFastDIB logo, resized;
  if (!logo.SetSize(width, height, picture.Bpp()) ||
      !resized.SetSize(place.Width(), place.Height(), picture.Bpp()) ||
      !SmoothResize(picture, resized) ||
      !resized.Draw(logo, (width - resized.Width()) / 2, (height - resized.AbsHeight) / 2) ||
      !ChangeBits(logo, 24) || !logo.SaveToFile(argv[2])) {
    std::fprintf(stderr, "%s: cannot make the reference\n", argv[2]);
    return 1;
  }
  return 0;
}
