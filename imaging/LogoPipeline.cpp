#include "imaging/LogoPipeline.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "core/FileIo.h"
#include "imaging/LogoPlacement.h"
#include "imaging/PaletteReduction.h"
#include "imaging/Resample.h"

namespace imaging {

RgbQuad LogoPalette16[16] = {};

namespace {

constexpr size_t kMaxPictureFileBytes = size_t(kMaxImageBytes) + 2 * 1024 * 1024;

void Say(const LogoCallbacks& callbacks, const char* text) {
  if (callbacks.Status) callbacks.Status(text);
}

LogoResult Fail(const LogoCallbacks& callbacks) {
  Say(callbacks, "Logo change aborted.");
  return LogoResult::kFailed;
}

bool Fits(const TFastDIB& picture, const LogoSpec& spec) {
  return picture.Width() == spec.Width && picture.Height() == spec.Height &&
         picture.Bpp() == spec.Bpp;
}

// Steps 3 to 12 once the picture is known not to fit.
LogoResult Reformat(TFastDIB& picture, const LogoSpec& spec, const LogoCallbacks& callbacks,
                    const std::string& logoFile) {
  if (!callbacks.Ask || !callbacks.Ask(LogoQuestion(spec))) {
    Say(callbacks, "Logo change aborted.");
    return LogoResult::kDeclined;
  }
  if (picture.Bpp() < 24 && !ChangeBits(picture, 24)) return Fail(callbacks);

  Say(callbacks, "Creating new logo...");
  TFastDIB logo;
  logo.UseGDI = picture.UseGDI;
  if (!logo.SetSize(spec.Width, spec.Height, picture.Bpp())) return Fail(callbacks);
  logo.SetBrush(kBsSolid, spec.Background, 0);
  logo.FillRect(Rect{0, 0, spec.Width, spec.Height});

  Say(callbacks, "Smooth resizing...");
  {
    const LogoPlacement place =
        PlaceOnLogo(picture.Width(), picture.AbsHeight, spec.Width, spec.Height, spec.Fit);
    TFastDIB resized;
    resized.UseGDI = picture.UseGDI;
    if (!resized.SetSize(place.Width(), place.Height(), picture.Bpp()) ||
        !SmoothResize(picture, resized)) {
      return Fail(callbacks);
    }
    resized.Draw(logo, (spec.Width - resized.Width()) / 2, (spec.Height - resized.AbsHeight) / 2);
  }
  picture.TakeOver(logo);  // frees the big picture early; "picture" is now the logo

  Say(callbacks, "Optimising palette...");
  if (!ChangeBits(picture, spec.Bpp)) return Fail(callbacks);
  if (spec.KeepPalette) std::memcpy(LogoPalette16, picture.Colors, sizeof(LogoPalette16));
  if (!picture.SaveToFile(logoFile)) return Fail(callbacks);
  Say(callbacks, "Finished.");
  return LogoResult::kMade;
}

}  // namespace

std::string LogoQuestion(const LogoSpec& spec) {
  char text[1024];
  std::snprintf(text, sizeof(text),
                "The logo you are changing must have the following specifications:\r\n\r\n"
                "     - a width of %d pixels\r\n     - a height of %d pixels\r\n"
                "     - a %.0f colour palette\r\n\r\n"
                "The picture you selected does not have these specifications.\r\n\r\n"
                "Would you like to reformat the picture (does not overwrite original file) \r\n"
                "to the right specifications which involves a smooth resize, and a palette\r\n"
                "optimisation and dither?",
                int(spec.Width), int(spec.Height), double(1u << spec.Bpp));
  return text;
}

LogoResult MakeLogo(const std::string& pictureFile, const LogoSpec& spec,
                    const LogoCallbacks& callbacks, const std::string& logoFile) {
  Say(callbacks, "Opening picture file...");
  std::vector<uint8_t> bytes;
  if (quorlo::ReadWholeFile(pictureFile, kMaxPictureFileBytes, bytes) != quorlo::ReadResult::kOk) {
    return Fail(callbacks);
  }
  TFastDIB picture;
  if (picture.LoadFromMemory(bytes.data(), bytes.size()) != BmpStatus::kOk) {
    return Fail(callbacks);
  }
  if (Fits(picture, spec)) {
    if (quorlo::WriteFileReplacing(logoFile, bytes) != quorlo::WriteResult::kOk)
      return Fail(callbacks);
    if (spec.KeepPalette) std::memcpy(LogoPalette16, picture.Colors, sizeof(LogoPalette16));
    Say(callbacks, "Finished.");
    return LogoResult::kCopied;
  }
  bytes = std::vector<uint8_t>();
  return Reformat(picture, spec, callbacks, logoFile);
}

LogoResult MakeLogoFromPicture(TFastDIB& picture, const LogoSpec& spec,
                               const LogoCallbacks& callbacks, const std::string& logoFile) {
  Say(callbacks, "Opening picture file...");
  if (picture.Empty()) return Fail(callbacks);
  if (Fits(picture, spec)) {
    if (!picture.SaveToFile(logoFile)) return Fail(callbacks);
    if (spec.KeepPalette) std::memcpy(LogoPalette16, picture.Colors, sizeof(LogoPalette16));
    Say(callbacks, "Finished.");
    return LogoResult::kCopied;
  }
  return Reformat(picture, spec, callbacks, logoFile);
}

}  // namespace imaging
