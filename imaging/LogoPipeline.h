#pragma once
// The logo pipeline without windows: a picture becomes a logo of exact
// width, height and depth. The caller supplies the status line and the
// reformatting question.

#include <cstdint>
#include <functional>
#include <string>

#include "imaging/BitmapInfo.h"
#include "imaging/FastDIB.h"

namespace imaging {

struct LogoSpec {
  int32_t Width = 0;
  int32_t Height = 0;
  int Bpp = 8;               // 8 or 4
  bool KeepPalette = false;  // copy the first 16 entries into LogoPalette16
  bool Fit = false;
  uint32_t Background = 0;  // COLORREF 0x00BBGGRR
};

struct LogoCallbacks {
  std::function<void(const char* text)> Status;
  // The reformatting question; true for yes.
  std::function<bool(const std::string& question)> Ask;
};

enum class LogoResult {
  kCopied,          // the picture already had the logo's size and depth
  kMade,            // reformatted
  kDeclined,        // the user answered no
  kPictureRefused,  // the picture file could not be read as a bitmap (see its BmpStatus)
  kNotWritten,      // the logo file could not be written
  kFailed,          // the working bitmaps could not be made
};

// The 16-colour boot palette of the last logo made with KeepPalette.
extern RgbQuad LogoPalette16[16];

std::string LogoQuestion(const LogoSpec& spec);

// From a bitmap file (the picked-picture file). When the picture is
// refused, pictureStatus (when given) says why.
LogoResult MakeLogo(const std::string& pictureFile, const LogoSpec& spec,
                    const LogoCallbacks& callbacks, const std::string& logoFile,
                    BmpStatus* pictureStatus = nullptr);
// From a picture already loaded; a picture that fits is saved as it is.
// The picture is used up: it is left holding the logo (or unchanged when
// the user declines). fullSize is the size to place the picture by when it
// was decoded smaller than it is (a JPEG at a reduced scale); empty means
// the picture's own size.
LogoResult MakeLogoFromPicture(TFastDIB& picture, const LogoSpec& spec,
                               const LogoCallbacks& callbacks, const std::string& logoFile,
                               PictureSize fullSize = {});

// The smallest size a picture may be decoded at for this logo without
// losing anything the logo shows: the logo's size when the picture will be
// shrunk to fit it, else empty (the full size).
PictureSize SmallestDecodeSize(const LogoSpec& spec);

}  // namespace imaging
