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
  kCopied,    // the picture already had the logo's size and depth
  kMade,      // reformatted
  kDeclined,  // the user answered no
  kFailed,    // the picture could not be read or the logo not written
};

// The 16-colour boot palette of the last logo made with KeepPalette.
extern RgbQuad LogoPalette16[16];

std::string LogoQuestion(const LogoSpec& spec);

// From a bitmap file (the picked-picture file).
LogoResult MakeLogo(const std::string& pictureFile, const LogoSpec& spec,
                    const LogoCallbacks& callbacks, const std::string& logoFile);
// From a picture already loaded; a picture that fits is saved as it is.
// The picture is used up: it is left holding the logo (or unchanged when
// the user declines).
LogoResult MakeLogoFromPicture(TFastDIB& picture, const LogoSpec& spec,
                               const LogoCallbacks& callbacks, const std::string& logoFile);

}  // namespace imaging
